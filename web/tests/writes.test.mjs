// Each write of the page, downloaded, holds the bytes the native zarkel-cli writes after the same
// edits: the campaign set as one zip (a slot, and a name of one's own), the order of battle, and
// the Homemade copy of an Original scenario opened from its four files dropped on the page, whose
// question is asked in the page first. A file of the wrong layout is refused with the core's
// message.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readdir, readFile, rm } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';

import {
  EXAMPLES,
  SINGLE_FILE,
  answerDialog,
  downloaded,
  nativeWrites,
  newPageWithDownloads,
  openDemo,
  openDialog,
  showPage,
  startSite,
  transferFirst,
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

async function pageWithDownloads() {
  const opened = await newPageWithDownloads(site);
  scratch.push(opened.downloads);
  return opened;
}

// Drops demo files on the page as the user's, each under its name in `given` ({demo: given}).
// Their bytes are handed in from here, since the single file has no demo folder to fetch from.
async function dropDemoFiles(page, given) {
  const files = {};
  for (const [name, shown] of Object.entries(given)) {
    files[shown] = (await readFile(path.join(EXAMPLES, name))).toString('base64');
  }
  await page.evaluate(async (named) => {
    const drop = new DataTransfer();
    for (const [shown, base64] of Object.entries(named)) {
      const bytes = Uint8Array.from(atob(base64), (char) => char.charCodeAt(0));
      drop.items.add(new File([bytes], shown));
    }
    const target = document.getElementById('drop');
    target.dispatchEvent(new DragEvent('dragover', { dataTransfer: drop, bubbles: true, cancelable: true }));
    target.dispatchEvent(new DragEvent('drop', { dataTransfer: drop, bubbles: true, cancelable: true }));
  }, files);
  const last = Object.values(given).at(-1);
  await page.waitForFunction(
    (name) => [...document.querySelectorAll('#given option')].some((option) => option.value === name),
    {}, last);
}

// The Equipment Name and Unit Type of the first Axis core unit, as "Core Units" shows them.
async function firstAxisUnit(page) {
  await showPage(page, 'transfer');
  await page.click('input[name="side"][value="0"]');
  await showPage(page, 'core');
  await page.waitForSelector('#core-all option');
  await page.focus('#core-all');
  await page.keyboard.press('Home');
  return page.$eval('#page-core', (section) => ({
    equipment: section.querySelector('#core-equipmentName').textContent,
    type: section.querySelector('#core-unitType').textContent,
  }));
}

test('the campaign sets and the order of battle after the demo\'s edits are the native program\'s bytes', async () => {
  const { page, problems, downloads } = await pageWithDownloads();
  await openDemo(site, page);
  await transferFirst(page, 0, 2);
  await showPage(page, 'core');
  await page.focus('#core-all');
  await page.keyboard.press('Home');
  await typeInto(page, '#core-experience', '4');
  await page.click('#page-core .accept');
  await showPage(page, 'campaign');
  await typeInto(page, '#battle-type', '1');
  await typeInto(page, '#limit-4', '90');
  const edits = ['--side', 'axis', '--to-aux', '0,1', '--core-unit', '0:experience=4', '--type', '1',
                 '--limit', 'axisAuxMax=90'];
  const open = ['--layout', 'homemade', 'kardel.scn', '--equipment', 'equipment.eqp', '--names',
                'equipment.txt', ...edits];

  await showPage(page, 'axis');
  await page.click('#page-axis input[value="cchina"]');
  await page.click('#page-axis .write-out');
  const slot = unzipped(await downloaded(downloads, 'cchina.zip'));
  assert.deepEqual(slot, await nativeWrites('campaign', [...open, '--slot', 'Central China'], EXAMPLES));
  assert.equal(
    await waitForText(page, '#status', 'Wrote'),
    'Wrote cchina.scn, scchina.tst, cchina.tit and cchina.des in "cchina.zip"',
  );

  await showPage(page, 'allied');
  await page.click('#page-allied .own-name input[type="radio"]');
  await typeInto(page, '#page-allied .own', 'mine');
  await page.click('#page-allied .write-out');
  const own = unzipped(await downloaded(downloads, 'mine.zip'));
  assert.deepEqual(own, await nativeWrites('campaign', [...open, '--page', 'allied', '--name', 'mine'],
                                           EXAMPLES));

  await showPage(page, 'ob');
  await page.click('#page-ob .write-out');
  const ob = await downloaded(downloads, 'OB.txt');
  assert.deepEqual({ 'OB.txt': ob }, await nativeWrites('ob', [...open, '--name', 'OB'], EXAMPLES));
  assert.equal(await waitForText(page, '#status', 'OB.txt'), 'Wrote OB.txt in "downloads"');
  assert.deepEqual(problems, []);
});

test('an Original scenario dropped as four upper-case files: the wrong layout refused, the Homemade copy asked for first', async () => {
  const { page, problems, downloads } = await pageWithDownloads();
  await page.goto(site.address);
  await page.waitForSelector('#open-file:not([disabled])');
  const names = { 'vessin.scn': 'VESSIN.SCN', 'svessin.tst': 'SVESSIN.TST', 'vessin.tit': 'VESSIN.TIT',
                  'vessin.des': 'VESSIN.DES' };
  await dropDemoFiles(page, names);
  await page.waitForFunction(() => document.getElementById('file-name').value === 'VESSIN.SCN');
  assert.equal(await page.$eval('input[name="layout"]:checked', (radio) => radio.value), 'original',
               'only the Original layout fits the file');

  await page.click('input[name="layout"][value="homemade"]');
  await page.click('#open-file');
  assert.deepEqual(await openDialog(page), {
    title: 'zarkel',
    text: '"VESSIN.SCN" looks like a scenario of the "Orvane Original" layout, not "Homemade": ' +
          'its size fits that layout exactly. Choose "Orvane Original" and open it again.',
    buttons: ['OK'],
  });
  await answerDialog(page, 'OK');
  assert.equal(await page.$eval('#scenario', (line) => line.textContent), '');

  await page.click('input[name="layout"][value="original"]');
  await page.click('#open-file');
  await waitForText(page, '#scenario', 'VESSIN.SCN \u00b7 Orvane Original');
  await transferFirst(page, 1, 1);

  await showPage(page, 'homemade');
  await typeInto(page, '#homemade-name', 'trip');
  await page.click('#page-homemade .write-out');
  assert.deepEqual(await openDialog(page), {
    title: 'Confirm',
    text: 'Continue ? (answer yes only if the scenario origonally created in the battle generator)',
    buttons: ['Yes', 'No'],
  });
  await answerDialog(page, 'Yes');
  const copy = await downloaded(downloads, 'trip.scn');

  // Answered No, nothing is written: the next download is the order of battle's.
  await page.click('#page-homemade .write-out');
  await answerDialog(page, 'No');
  await showPage(page, 'ob');
  await page.click('#page-ob .write-out');
  await downloaded(downloads, 'OB.txt');
  assert.deepEqual((await readdir(downloads)).sort(), ['OB.txt', 'trip.scn']);

  const folder = await mkdtemp(path.join(os.tmpdir(), 'zarkel-upper-'));
  scratch.push(folder);
  for (const [name, upper] of Object.entries(names)) {
    await cp(path.join(EXAMPLES, name), path.join(folder, upper));
  }
  const native = await nativeWrites(
    'homemade',
    ['--layout', 'original', 'VESSIN.SCN', '--side', 'allies', '--to-aux', '0', '--name', 'trip', '--yes'],
    folder,
  );
  assert.deepEqual({ 'trip.scn': copy }, native);
  assert.deepEqual(problems, []);
});

test('the equipment the boxes name is read at an opening when it is not the equipment read, and ' +
     'the status line names it', async () => {
  const { page, problems, downloads } = await pageWithDownloads();
  await page.goto(site.address);
  await page.waitForSelector('#open-file:not([disabled])');
  // Opened with no file given: refused, with no equipment to read.
  await page.click('input[name="layout"][value="homemade"]');
  await page.click('#open-file');
  assert.equal((await openDialog(page)).text, 'File not found: "*.*"');
  await answerDialog(page, 'OK');
  assert.equal(await page.$eval('#status', (line) => line.textContent), 'No equipment file read');

  await dropDemoFiles(page, { 'kardel.scn': 'kardel.scn' });
  await page.click('#open-file');
  assert.equal(await waitForText(page, '#status', 'Opened'), 'Opened "kardel.scn"');
  await dropDemoFiles(page, { 'equipment.eqp': 'equipment.eqp', 'equipment.txt': 'equipment.txt' });
  await page.click('#open-file');
  assert.equal(await waitForText(page, '#status', 'equipment'),
               'Opened "kardel.scn"; read equipment from "equipment.eqp" and "equipment.txt"');
  const unit = await firstAxisUnit(page);
  await showPage(page, 'ob');
  await page.click('#page-ob .write-out');
  const ob = await downloaded(downloads, 'OB.txt');
  assert.deepEqual({ 'OB.txt': ob }, await nativeWrites(
    'ob', ['--layout', 'homemade', 'kardel.scn', '--equipment', 'equipment.eqp', '--names',
           'equipment.txt', '--name', 'OB'], EXAMPLES));

  // Opened again with the same boxes: the equipment is not read again.
  await showPage(page, 'open');
  await page.click('#open-file');
  await waitForText(page, '#scenario', '63 units');
  await page.waitForFunction(() => document.getElementById('status').textContent === 'Opened "kardel.scn"');
  await page.click('#reload-equipment');
  assert.equal(await waitForText(page, '#status', 'Read'),
               'Read equipment from "equipment.eqp" and "equipment.txt"');

  // The units as the demo, opened with its equipment at once, shows them.
  const demo = await pageWithDownloads();
  await openDemo(site, demo.page);
  const demoUnit = await firstAxisUnit(demo.page);
  assert.notEqual(demoUnit.equipment.trim(), '');
  assert.deepEqual(unit, demoUnit);
  assert.deepEqual([...problems, ...demo.problems], []);
});

test('companion files given after an Original scenario was opened are found by the write, ' +
     'another file given under the scenario\'s name does not replace it, and the edits made ' +
     'before are written', async () => {
  const { page, problems, downloads } = await pageWithDownloads();
  await page.goto(site.address);
  await page.waitForSelector('#open-file:not([disabled])');
  await dropDemoFiles(page, { 'vessin.scn': 'VESSIN.SCN' });
  await page.waitForFunction(() => document.getElementById('file-name').value === 'VESSIN.SCN');
  await page.click('#open-file');
  await waitForText(page, '#scenario', 'VESSIN.SCN \u00b7 Orvane Original');
  await transferFirst(page, 1, 1);
  // The other scenario under the open one's name: the open one is written as it was read.
  await dropDemoFiles(page, { 'vessin.tit': 'VESSIN.TIT', 'vessin.des': 'VESSIN.DES',
                              'svessin.tst': 'SVESSIN.TST', 'kardel.scn': 'VESSIN.SCN' });

  await showPage(page, 'axis');
  await page.click('#page-axis input[value="cchina"]');
  await page.click('#page-axis .write-out');
  const written = unzipped(await downloaded(downloads, 'cchina.zip'));
  assert.equal(await page.evaluate(() => window.zarkel.app.hasUnwrittenEdits()), false);

  const folder = await mkdtemp(path.join(os.tmpdir(), 'zarkel-later-'));
  scratch.push(folder);
  for (const [name, upper] of [['vessin.scn', 'VESSIN.SCN'], ['vessin.tit', 'VESSIN.TIT'],
                               ['vessin.des', 'VESSIN.DES'], ['svessin.tst', 'SVESSIN.TST']]) {
    await cp(path.join(EXAMPLES, name), path.join(folder, upper));
  }
  assert.deepEqual(written, await nativeWrites(
    'campaign', ['--layout', 'original', 'VESSIN.SCN', '--side', 'allies', '--to-aux', '0', '--slot',
                 'Central China'], folder));
  assert.deepEqual(problems, []);
});

// The origin-private folders that stand in for a picked one are refused to a page opened from
// the disk; the single file's own suite writes into a folder of handles made in the page.
test('"Write into folder…" asks before it replaces files there, No by default: Enter keeps them ' +
     'and the edits stay unwritten',
     { skip: SINGLE_FILE ? 'no origin-private folders from the disk' : false }, async () => {
  const { page, problems } = await pageWithDownloads();
  await openDemo(site, page);
  await transferFirst(page, 0, 1);
  // The folder a picker would give: one of the origin-private file system, with two files of the
  // set in it already. Headless browsers show no pickers, and Firefox has none.
  await page.evaluate(async () => {
    const root = await navigator.storage.getDirectory();
    await root.removeEntry('demo', { recursive: true }).catch(() => {});
    const folder = await root.getDirectoryHandle('demo', { create: true });
    for (const name of ['cchina.scn', 'cchina.tit']) {
      const writable = await (await folder.getFileHandle(name, { create: true })).createWritable();
      await writable.write(new TextEncoder().encode(`earlier ${name}`));
      await writable.close();
    }
    window.showDirectoryPicker = async () => folder;
    for (const button of document.querySelectorAll('.write-folder')) button.hidden = false;
  });
  const contents = () => page.evaluate(async () => {
    const folder = await (await navigator.storage.getDirectory()).getDirectoryHandle('demo');
    const found = {};
    for await (const [name, handle] of folder.entries()) {
      found[name] = Array.from(new Uint8Array(await (await handle.getFile()).arrayBuffer()));
    }
    return found;
  });
  const earlier = await contents();

  await showPage(page, 'axis');
  await page.click('#page-axis input[value="cchina"]');
  await page.click('#page-axis .write-folder');
  assert.deepEqual(await openDialog(page), {
    title: 'Replace',
    text: '"cchina.scn" and "cchina.tit" already exist in "demo". Replace them?',
    buttons: ['Yes', 'No'],
  });
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'No');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#dialog:not([open])');
  // The status follows the dialog's closing once the folder's write has given up.
  assert.equal(await waitForText(page, '#status', 'Not written'), 'Not written');
  assert.deepEqual(await contents(), earlier);
  assert.equal(await page.evaluate(() => window.zarkel.app.hasUnwrittenEdits()), true);

  await page.click('#page-axis .write-folder');
  await answerDialog(page, 'Yes');
  assert.equal(await waitForText(page, '#status', 'Wrote'),
               'Wrote cchina.scn, scchina.tst, cchina.tit and cchina.des in "demo"');
  const native = await nativeWrites(
    'campaign', ['--layout', 'homemade', 'kardel.scn', '--equipment', 'equipment.eqp', '--names',
                 'equipment.txt', '--side', 'axis', '--to-aux', '0', '--slot', 'Central China'],
    EXAMPLES);
  const written = Object.fromEntries(
    Object.entries(await contents()).map(([name, bytes]) => [name, new Uint8Array(bytes)]));
  assert.deepEqual(written, native);
  assert.equal(await page.evaluate(() => window.zarkel.app.hasUnwrittenEdits()), false);

  // A target that is not there is written without a question.
  await showPage(page, 'ob');
  await page.click('#page-ob .write-folder');
  assert.equal(await waitForText(page, '#status', 'OB.txt'), 'Wrote OB.txt in "demo"');
  assert.equal(await page.$('#dialog[open]'), null);
  assert.deepEqual(problems, []);
});
