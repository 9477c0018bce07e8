// The order of battle in the spreadsheet form and back, on the page: the check box beside
// "Write OB" writes NAME.csv as the native zarkel-cli writes it with --spreadsheet and names the
// extension; "Import OB…" hands the picked file's bytes and name to the module, the status line
// says what changed, Undo and Redo take the import whole, and a campaign written after it holds
// the native program's bytes after --import-ob of the same file; a refused file changes nothing.
import assert from 'node:assert/strict';
import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';

import {
  EXAMPLES,
  answerDialog,
  downloaded,
  nativeWrites,
  newPageWithDownloads,
  openDemo,
  openDialog,
  showPage,
  startSite,
  typeInto,
  unzipped,
  waitForText,
} from './harness.mjs';

let site;
const scratch = [];
before(async () => {
  site = await startSite();
});
after(async () => {
  await site?.close();
  for (const folder of scratch) await rm(folder, { recursive: true, force: true });
});

const OPEN = ['--layout', 'homemade', 'kardel.scn', '--equipment', 'equipment.eqp', '--names',
              'equipment.txt'];

// Picks `bytes` as the file `name` in "Import OB…"'s file chooser, as the user would.
async function pickForImport(page, name, bytes) {
  await page.evaluate(
    (fileName, base64) => {
      const picker = document.getElementById('ob-import-file');
      const chosen = new DataTransfer();
      chosen.items.add(new File([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))], fileName));
      picker.files = chosen.files;
      picker.dispatchEvent(new Event('change', { bubbles: true }));
    },
    name,
    Buffer.from(bytes).toString('base64'),
  );
}

// The spreadsheet form with the Class of the line `line` (the header is line 1) turned over.
function withClassTurned(csv, line) {
  const lines = csv.split('\r\n');
  const cells = lines[line - 1].split(',');
  cells[2] = cells[2] === 'Core' ? 'Aux' : 'Core';
  lines[line - 1] = cells.join(',');
  return lines.join('\r\n');
}

test('the spreadsheet form is written, imported unchanged as no step, edited, imported as one step that undo and redo take whole', async () => {
  const { page, problems, downloads } = await newPageWithDownloads(site);
  scratch.push(downloads);
  const files = await mkdtemp(path.join(os.tmpdir(), 'zarkel-ob-import-'));
  scratch.push(files);
  await openDemo(site, page);

  await showPage(page, 'ob');
  const caption = () => page.$eval('#ob-name-caption', (label) => label.textContent);
  assert.equal(await page.$eval('#ob-spreadsheet', (box) => box.checked), false);
  assert.equal(await caption(), 'Name of OB file (  .txt extension added automatically)');
  await page.click('#ob-spreadsheet');
  assert.equal(await caption(), 'Name of OB file (  .csv extension added automatically)');
  await typeInto(page, '#ob-name', 'Roster');
  await page.click('#page-ob .write-out');
  const sheet = await downloaded(downloads, 'Roster.csv');
  assert.deepEqual({ 'Roster.csv': sheet },
                   await nativeWrites('ob', [...OPEN, '--name', 'Roster', '--spreadsheet'], EXAMPLES));
  assert.equal(await waitForText(page, '#status', 'Roster.csv'), 'Wrote Roster.csv in "downloads"');

  await pickForImport(page, 'Roster.csv', sheet);
  assert.equal(await waitForText(page, '#status', 'Importing'),
               'Importing "Roster.csv" changes nothing');
  assert.equal(await page.$eval('#undo', (button) => button.disabled), true);

  // The first Axis unit's class turned over, and the first Allied unit's.
  const text = Buffer.from(sheet).toString('utf8');
  const alliedLine = text.split('\r\n').findIndex((line) => line.startsWith('Allies,')) + 1;
  const edited = withClassTurned(withClassTurned(text, 2), alliedLine);
  const editedPath = path.join(files, 'edited.csv');
  await writeFile(editedPath, edited);
  await pickForImport(page, 'edited.csv', Buffer.from(edited));
  const status = await waitForText(page, '#status', 'Imported');
  assert.match(status, /^Imported "edited\.csv": /);
  assert.equal(await page.$eval('#undo', (button) => button.textContent), 'Undo Import of edited.csv');

  await page.click('#undo');
  assert.equal(await waitForText(page, '#status', 'Undid'), 'Undid: Import of edited.csv');
  await page.click('#redo');
  await waitForText(page, '#status', 'Redid');
  assert.equal(await page.$eval('#undo', (button) => button.textContent), 'Undo Import of edited.csv');

  await showPage(page, 'axis');
  await page.click('#page-axis .own-name input[type="radio"]');
  await typeInto(page, '#page-axis .own', 'imported');
  await page.click('#page-axis .write-out');
  const written = unzipped(await downloaded(downloads, 'imported.zip'));
  assert.deepEqual(written, await nativeWrites('campaign', [...OPEN, '--import-ob', editedPath,
                                                            '--name', 'imported'], EXAMPLES));
  assert.deepEqual(problems, []);
});

test('a refused file says why in a message and changes nothing', async () => {
  const { page, problems, downloads } = await newPageWithDownloads(site);
  scratch.push(downloads);
  await openDemo(site, page);
  await showPage(page, 'ob');
  await page.click('#ob-spreadsheet');
  await page.click('#page-ob .write-out');
  const sheet = Buffer.from(await downloaded(downloads, 'OB.csv')).toString('utf8');
  const lines = sheet.split('\r\n');
  const cells = lines[1].split(',');
  cells[12] = String(Number(cells[12]) + 1);  // Str, which no import changes
  lines[1] = cells.join(',');
  const before = await page.$eval('#status', (line) => line.textContent);

  assert.equal(await page.$eval('#ob-import', (button) => button.textContent), 'Import OB…');
  await pickForImport(page, 'wrong.csv', Buffer.from(lines.join('\r\n')));
  const dialog = await openDialog(page);
  assert.match(dialog.text, /^Cannot import "wrong\.csv"; nothing was changed:\s*line 2, Str: /);
  await answerDialog(page, 'OK');
  assert.equal(await page.$eval('#status', (line) => line.textContent), before);
  assert.equal(await page.$eval('#undo', (button) => button.disabled), true);
  assert.deepEqual(problems, []);
});
