// The four writing pages: "Axis Campaign" and "Allied Campaign" (a slot or a name of one's own,
// "Write out Files"), "OB's" ("Write OB", the spreadsheet form with its check box) and "Home Made"
// ("Write Out File"), each asking the session for a write of its kind. The session writes
// into the module's memory; the files then leave the page as a download (a set as one zip) or,
// with "Write into folder…", straight into a folder the user picks, all of them or none, after
// the question the window asks before it replaces files that are there.
import { ask, showMessages, showOutcome } from './dialogs.js';
import {
  canWriteIntoFolder,
  chooseFolder,
  downloadFile,
  downloadZip,
  writeIntoFolder,
} from './files-out.js';

// Where a download goes, as the status line names it.
const DOWNLOADS = 'downloads';

export function setUpWrites(app) {
  const folderWrites = canWriteIntoFolder();

  // Runs a write whose result says which files it made, and delivers them. `request` is the
  // session's write request (its kind and name), to which the folder is added, named as the user
  // sees where the files go; `zipName` names the zip of a set. A write whose files are not
  // delivered is taken back: the session is told, and a campaign or Homemade write leaves the
  // edits unwritten again.
  async function write({ request, zipName }, intoFolder) {
    app.finishEdits();
    let target = null;
    if (intoFolder) {
      try {
        target = await chooseFolder();
      } catch (error) {
        await showMessages([error.message]);
        return;
      }
      if (!target) return;
    }
    const folder = target ? target.name : (zipName ?? DOWNLOADS);
    let answer;
    for (;;) {
      app.status.hold();
      const result = app.session.write({ ...request, folder, answer });
      if (!result.written) {
        app.status.release();
        await showOutcome(result);
        // A question no answer was given for: asked here, and the write made again with it.
        const question = result.asked?.[0];
        if (question && answer === undefined && !result.error) {
          answer = await ask(question.title, question.text);
          if (answer) continue;
        }
        return;
      }
      const files = result.written;
      try {
        if (target) {
          // The folder's files of the same names are replaced only when the user says so, as in
          // the window; No keeps them, and the edits stay unwritten.
          const delivered = await writeIntoFolder(target, files, app.filesInUse(), {
            confirmReplace: (names) => {
              const question = app.module.replaceQuestion(target.name, names);
              return ask(question.title, question.text, { defaultNo: true });
            },
          });
          if (delivered.declined) {
            app.status.fail(app.texts.notWritten);
            app.session.notDelivered();
            return;
          }
        } else if (zipName) await downloadZip(zipName, files);
        else downloadFile(files[0].name, files[0].bytes);
      } catch (error) {
        app.status.fail(error.message);
        app.session.notDelivered();
        await showMessages([error.message]);
        return;
      }
      app.status.release();
      await showOutcome(result);
      return;
    }
  }

  function bind(section, job) {
    section.querySelector('.write-out').addEventListener('click', () => write(job(), false));
    const intoFolder = section.querySelector('.write-folder');
    intoFolder.hidden = !folderWrites;
    intoFolder.addEventListener('click', () => write(job(), true));
  }

  for (const section of document.querySelectorAll('.campaign-write')) {
    const page = section.dataset.campaign;
    const group = `slot-${page}`;
    section.querySelector('.slot-list').replaceChildren(
      ...app.texts.campaign[page].slots.map(({ caption, baseName }) => {
        const label = document.createElement('label');
        const radio = document.createElement('input');
        radio.type = 'radio';
        radio.name = group;
        radio.value = baseName;
        label.append(radio, ` ${caption}`);
        return label;
      }),
    );
    const own = section.querySelector('.own');
    // Typing a name of one's own chooses its button.
    const ownButton = section.querySelector('.own-name input[type="radio"]');
    own.addEventListener('input', () => {
      ownButton.checked = true;
    });
    bind(section, () => {
      const checked = section.querySelector(`input[name="${group}"]:checked`);
      // No slot checked, or the own name's button with an empty name: the writer says what to
      // choose.
      const slot = checked === null ? '' : checked.value === '' ? own.value : checked.value;
      return {
        zipName: `${slot || 'campaign'}.zip`,
        request: { kind: 'campaign', page, name: slot },
      };
    });
  }

  // The pages of a write of a name typed ("OB's", "Home Made"): the section's `data-write` is the
  // kind of write (the module's key), its `.write-name` the name; a box of the page with a
  // `data-write` of its own chooses that kind while checked (the spreadsheet form).
  for (const section of document.querySelectorAll('section[data-write]')) {
    const name = section.querySelector('.write-name');
    bind(section, () => {
      const form = section.querySelector('input[data-write]:checked');
      return { request: { kind: (form ?? section).dataset.write, name: name.value } };
    });
  }
}
