// "Open File": the files given (picked, dropped as files or as a folder, or the demo set), the
// file to open, its layout ("Homemade" or "Orvane Original", chosen for the user when only one
// layout's checks accept the file), an Original scenario's companion files, the equipment files,
// and "Open File" and "Reload Equipment File".
import { fetchDemoSet, DEMO_OPEN } from './demo.js';
import { ask, showMessages, showOutcome } from './dialogs.js';
import {
  canPickWithHandles,
  filesFromDrop,
  filesFromInput,
  filesFromPicker,
  findFile,
} from './files-in.js';

const NO_FILE = '';

export function setUpOpen(app) {
  const section = document.getElementById('page-open');
  const givenList = document.getElementById('given');
  const fileName = document.getElementById('file-name');
  const layouts = [...section.querySelectorAll('input[name="layout"]')];
  const openButton = document.getElementById('open-file');
  const reloadButton = document.getElementById('reload-equipment');
  const demoButton = document.getElementById('try-demo');
  const choosers = Object.fromEntries(
    [...section.querySelectorAll('select[data-dialog]')].map((select) => [select.dataset.dialog, select]),
  );
  const defaults = {
    placenames: document.getElementById('default-placenames'),
    title: document.getElementById('default-title'),
    description: document.getElementById('default-description'),
  };
  for (const span of section.querySelectorAll('[data-layout]')) {
    span.textContent = app.texts.layouts[span.dataset.layout];
  }
  for (const label of section.querySelectorAll('[data-dialog-title]')) {
    label.textContent = app.texts.fileDialogs[label.dataset.dialogTitle].title;
  }
  for (const [kind, select] of Object.entries(choosers)) {
    select.setAttribute('aria-label', app.texts.fileDialogs[kind].title);
    select.title = app.texts.fileDialogs[kind].title;
  }
  for (const [kind, box] of Object.entries(defaults)) {
    box.addEventListener('change', () => {
      choosers[kind].disabled = box.checked;
    });
  }

  // The files given so far, each under its name.
  let given = { files: [] };

  function matches(name, pattern) {
    return name.toLowerCase().endsWith(pattern.slice(1).toLowerCase());
  }

  function fillChoosers() {
    for (const [kind, select] of Object.entries(choosers)) {
      const { pattern } = app.texts.fileDialogs[kind];
      const fitting = given.files.filter((file) => matches(file.name, pattern));
      const others = given.files.filter((file) => !matches(file.name, pattern));
      const options = [...fitting, ...others].map((file) => new Option(file.name, file.name));
      options.push(new Option('(none)', NO_FILE));
      select.replaceChildren(...options);
      select.value = fitting[0]?.name ?? NO_FILE;
    }
  }

  // Chooses the layout when the checks of only one accept the file named.
  function chooseLayout() {
    let file;
    try {
      file = findFile(app.module, given.files, fileName.value);
    } catch {
      return;
    }
    if (!file) return;
    const accepting = app.session.layoutsAccepting(file.name);
    if (accepting.length !== 1) return;
    for (const radio of layouts) radio.checked = radio.value === accepting[0];
  }

  function setFileName(name) {
    fileName.value = name;
    chooseLayout();
  }

  // Adds files to those given: a file of a name given before replaces it (the files the open
  // scenario works from stay as they were read until the next opening).
  function give(files) {
    const names = new Set(files.map((file) => file.name));
    const merged = [...given.files.filter((file) => !names.has(file.name)), ...files];
    app.giveFiles(files);
    given = { files: merged };
    givenList.replaceChildren(...merged.map((file) => new Option(file.name, file.name)));
    fillChoosers();
    const scenarios = files.filter((file) => matches(file.name, '*.scn'));
    if (scenarios.length === 1) setFileName(scenarios[0].name);
    else chooseLayout();
  }

  // `read` answers the files, or null when the user cancelled a picker.
  async function giveFrom(read) {
    try {
      const files = await read;
      if (files) give(files);
    } catch (error) {
      await showMessages([error.message]);
    }
  }

  function chosen(kind) {
    const name = choosers[kind].value;
    return name === NO_FILE ? undefined : name;
  }

  // The equipment the boxes name is the equipment in use: an opening reads it again when none
  // was read yet, or when a box names another file than the one read.
  function equipmentToRead() {
    const { equipment } = app.session.snapshot();
    if (!equipment.loaded) return true;
    return ['equipment', 'names'].some((kind) => {
      const name = chosen(kind);
      if (name === undefined) return false;
      const file = given.files.find((other) => other.name === name);
      return (file?.id ?? 0) !== equipment[`${kind}Id`];
    });
  }

  async function open() {
    app.finishEdits();
    // Enter keeps the edits: No is the default.
    const { title, text } = app.texts.discardQuestion;
    if (app.hasUnwrittenEdits() && !(await ask(title, text, { defaultNo: true }))) return;
    const layout = layouts.find((radio) => radio.checked)?.value;
    const request = {
      layout,
      scenario: fileName.value,
      equipment: chosen('equipment'),
      names: chosen('names'),
      rereadEquipment: equipmentToRead(),
    };
    for (const [kind, box] of Object.entries(defaults)) {
      request[`${kind === 'placenames' ? 'placename' : kind}Default`] = box.checked;
      if (!box.checked) request[kind] = chosen(kind);
    }
    const result = app.session.open(request);
    await showOutcome(result);
    return result.opened;
  }

  // While the demo is on its way the button says so but stays enabled: a disabled button would
  // drop the keyboard focus to the page's body.
  let demoBusy = false;
  async function openDemo() {
    if (demoBusy) return;
    demoBusy = true;
    demoButton.setAttribute('aria-disabled', 'true');
    try {
      give(await fetchDemoSet());
      setFileName(DEMO_OPEN.scenario);
      for (const radio of layouts) radio.checked = radio.value === DEMO_OPEN.layout;
      choosers.equipment.value = DEMO_OPEN.equipment;
      choosers.names.value = DEMO_OPEN.names;
      for (const box of Object.values(defaults)) box.checked = true;
      await open();
    } catch (error) {
      await showMessages([`The demo could not be opened: ${error.message}`]);
    } finally {
      demoBusy = false;
      demoButton.removeAttribute('aria-disabled');
    }
  }

  const pickFiles = document.getElementById('pick-files');
  const pickFolder = document.getElementById('pick-folder');
  for (const input of [pickFiles, pickFolder]) {
    input.addEventListener('change', () => {
      giveFrom(filesFromInput(input.files)).finally(() => {
        input.value = '';
      });
    });
    // The browser's own pickers, where it has them, give each file with its handle: a later
    // write into a folder then knows these files and never replaces one in use.
    if (canPickWithHandles()) {
      input.addEventListener('click', (event) => {
        event.preventDefault();
        giveFrom(filesFromPicker({ folder: input === pickFolder }));
      });
    }
  }
  section.addEventListener('dragover', (event) => {
    if (!event.dataTransfer?.types.includes('Files')) return;
    event.preventDefault();
    document.getElementById('drop').classList.add('over');
  });
  section.addEventListener('dragleave', () => document.getElementById('drop').classList.remove('over'));
  section.addEventListener('drop', (event) => {
    event.preventDefault();
    document.getElementById('drop').classList.remove('over');
    giveFrom(filesFromDrop(event.dataTransfer));
  });
  givenList.addEventListener('change', () => setFileName(givenList.value));
  fileName.addEventListener('change', chooseLayout);
  openButton.addEventListener('click', open);
  reloadButton.addEventListener('click', () => {
    app.run(app.session.reloadEquipment({ equipment: chosen('equipment'), names: chosen('names') }));
  });
  demoButton.addEventListener('click', openDemo);
  demoButton.disabled = false;
  openButton.disabled = false;
  reloadButton.disabled = false;

  return { openDemo };
}
