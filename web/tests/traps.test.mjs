// The small traps of the page: undo in a field, edits and writes before anything is open, why a
// unit field is refused, the own-name box, where the focus stays, a small window, the map in the
// dark and its zoom, the tab's title. Driven from the keyboard and the mouse as a user drives it.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import {
  answerDialog,
  newPage,
  newPageWithDownloads,
  downloaded,
  openDemo,
  openDialog,
  showPage,
  startSite,
  typeInto,
  waitForText,
  retype,
} from './harness.mjs';
import { rm } from 'node:fs/promises';

let site;
before(async () => {
  site = await startSite();
});
after(async () => {
  await site?.close();
});

const text = (page, selector) => page.$eval(selector, (element) => element.textContent);
const value = (page, selector) => page.$eval(selector, (element) => element.value);
const NO_SCENARIO = 'No scenario is open. Open one on the "Open File" page first.';

async function chooseAxis(page) {
  await showPage(page, 'transfer');
  await page.click('input[name="side"][value="0"]');
  await page.waitForSelector('#core-lines option');
}

async function press(page, keys) {
  for (const key of keys.slice(0, -1)) await page.keyboard.down(key);
  await page.keyboard.press(keys.at(-1));
  for (const key of keys.slice(0, -1).reverse()) await page.keyboard.up(key);
}

test('Ctrl+Z and Ctrl+Shift+Z or Ctrl+Y in a field: its typing first, then the editor\'s steps, ' +
     'the field showing what they restored', async () => {
  const { page, problems } = await newPage(site);
  await openDemo(site, page);
  await chooseAxis(page);
  await showPage(page, 'core');
  await page.select('#core-all', 'Grenadiers');
  assert.equal(await value(page, '#core-experience'), '3');
  await retype(page, '#core-experience', '5');
  await page.keyboard.press('Enter');
  assert.equal(await text(page, '#status'), 'Changed "Grenadiers": experience 5');

  // The step undone and redone from the field, which keeps the focus and shows the unit's value.
  await press(page, ['Control', 'z']);
  assert.equal(await text(page, '#status'), 'Undid: Change of Grenadiers');
  assert.equal(await text(page, '#redo'), 'Redo Change of Grenadiers');
  await page.waitForFunction(() => document.getElementById('core-experience').value === '3');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'core-experience');
  assert.equal(await value(page, '#core-all'), 'Grenadiers');
  await press(page, ['Control', 'Shift', 'Z']);
  assert.equal(await text(page, '#status'), 'Redid: Change of Grenadiers');
  await page.waitForFunction(() => document.getElementById('core-experience').value === '5');
  await press(page, ['Control', 'z']);
  await press(page, ['Control', 'y']);
  await page.waitForFunction(() => document.getElementById('core-experience').value === '5');
  assert.equal(await text(page, '#undo'), 'Undo Change of Grenadiers');

  // A limit: typing not yet a step is undone by the field alone; the history stays.
  await showPage(page, 'campaign');
  await typeInto(page, '#limit-4', '90');
  assert.equal(await text(page, '#status'), 'Changed "max # of axis Aux" to \'90\'');
  await page.click('#limit-4');
  await page.keyboard.press('End');
  await page.keyboard.type('7');
  await press(page, ['Control', 'z']);
  assert.equal(await value(page, '#limit-4'), '90');
  assert.equal(await text(page, '#undo'), 'Undo Change of max # of axis Aux');
  // Then the keys are the editor's: the limit's step is undone, and the field shows it.
  await press(page, ['Control', 'z']);
  assert.equal(await value(page, '#limit-4'), '12');
  assert.equal(await text(page, '#status'), 'Undid: Change of max # of axis Aux');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'limit-4');
  await page.keyboard.press('Tab');
  assert.equal(await text(page, '#undo'), 'Undo Change of Grenadiers', 'leaving made no step');
  assert.deepEqual(problems, []);
});

test('before anything is open: edits say that a scenario must be opened first and change ' +
     'nothing; "Write OB" writes the header and the blank side lines and says so', async () => {
  const { page, problems, downloads } = await newPageWithDownloads(site);
  try {
    await page.goto(site.address);
    await page.waitForSelector('#try-demo:not([disabled])');
    await showPage(page, 'campaign');
    assert.equal(await value(page, '#limit-4'), 'Edit8');
    await typeInto(page, '#limit-4', '90');
    assert.equal((await openDialog(page)).text, NO_SCENARIO);
    await answerDialog(page, 'OK');
    assert.equal(await value(page, '#limit-4'), 'Edit8');
    await typeInto(page, '#battle-type', '2');
    assert.equal((await openDialog(page)).text, NO_SCENARIO);
    await answerDialog(page, 'OK');
    assert.equal(await value(page, '#battle-type'), '0');
    await showPage(page, 'core');
    await page.click('#page-core .accept');
    assert.equal((await openDialog(page)).text, NO_SCENARIO);
    await answerDialog(page, 'OK');
    assert.equal(await text(page, '#status'), '');
    assert.equal(await text(page, '#undo'), 'Undo');

    await showPage(page, 'map');
    assert.equal(await text(page, '#findings'), 'No findings.');

    await showPage(page, 'ob');
    await page.click('#page-ob .write-out');
    const status = 'Wrote OB.txt in "downloads": its header line and the three sides\' blank ' +
                   'lines alone, since no scenario is open';
    assert.equal(await waitForText(page, '#status', 'Wrote'), status);
    const header = 'Side,Class,Name,Country,Unit Type,Equipment Name,Land Trans, Naval Trans,' +
                   'Column,Row,Used,Str,Ent,Exp\r\n';
    assert.equal(new TextDecoder().decode(await downloaded(downloads, 'OB.txt')),
                 `${header} \r\n \r\n \r\n`);
    assert.equal(await page.title(), 'zarkel');
    assert.deepEqual(problems, []);
  } finally {
    await rm(downloads, { recursive: true, force: true });
  }
});

test('a unit field refused says why, also after Enter; Accept keeps the review and the line ' +
     'chosen', async () => {
  const { page, problems } = await newPage(site);
  await openDemo(site, page);
  await chooseAxis(page);
  await showPage(page, 'core');
  const refusals = [
    ['column', '999', '999 does not fit "Column" (0 to 255)'],
    ['column', 'abc', '\'abc\' is not a valid integer value'],
    ['experience', '-1', '-1 does not fit "Experience" (0 to 255)'],
  ];
  for (const [field, typed, why] of refusals) {
    await page.select('#core-all', 'Grenadiers');
    await retype(page, `#core-${field}`, typed);
    await page.keyboard.press('Enter');
    // The dialog stays until it is answered: the Enter that showed it does not close it.
    await new Promise((resolve) => setTimeout(resolve, 300));
    assert.equal((await openDialog(page)).text, why);
    await answerDialog(page, 'OK');
    assert.equal(await text(page, '#status'), 'No change to "Grenadiers"');
  }

  await page.select('#core-all', 'Grenadiers');
  const row = await value(page, '#core-row');
  await typeInto(page, '#core-experience', '4');
  await page.click('#page-core .accept');
  assert.equal(await text(page, '#status'), 'Changed "Grenadiers": experience 4');
  await page.waitForFunction(() => document.getElementById('core-name').textContent === 'Grenadiers');
  assert.equal(await value(page, '#core-all'), 'Grenadiers');
  assert.equal(await value(page, '#core-row'), row);
  assert.equal(await value(page, '#core-experience'), '4');
  assert.deepEqual(problems, []);
});

test('typing in the own-name box chooses its button; the own-name button has a name', async () => {
  const { page, problems } = await newPage(site);
  await openDemo(site, page);
  for (const campaign of ['axis', 'allied']) {
    await showPage(page, campaign);
    const button = `#page-${campaign} .own-name input[type="radio"]`;
    assert.equal(await page.$eval(button, (radio) => radio.checked), false);
    await retype(page, `#page-${campaign} .own`, 'mine');
    assert.equal(await page.$eval(button, (radio) => radio.checked), true);
    assert.equal(await page.$eval(button, (radio) => radio.getAttribute('aria-label')), 'Own name');
  }
  assert.deepEqual(problems, []);
});

test('Enter on "Try the demo" leaves the focus on it; the tab\'s title names the file and marks ' +
     'unwritten edits', async () => {
  const { page, problems } = await newPage(site);
  await page.goto(site.address);
  await page.waitForSelector('#try-demo:not([disabled])');
  assert.equal(await page.title(), 'zarkel');
  await page.focus('#try-demo');
  await page.keyboard.press('Enter');
  await waitForText(page, '#scenario', '63 units');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'try-demo');
  assert.equal(await page.title(), 'kardel.scn \u2014 zarkel');
  await showPage(page, 'campaign');
  await typeInto(page, '#limit-4', '90');
  assert.equal(await page.title(), '\u2022 kardel.scn \u2014 zarkel');
  await page.click('#undo');
  assert.equal(await page.title(), 'kardel.scn \u2014 zarkel');
  assert.deepEqual(problems, []);
});

test('at 800 x 600, Core Composition lies below both lists on Core/Aux Transfer', async () => {
  const { page, problems } = await newPage(site);
  await page.setViewport({ width: 800, height: 600 });
  await openDemo(site, page);
  await chooseAxis(page);
  const boxes = await page.evaluate(() => {
    const bottom = (id) => document.getElementById(id).getBoundingClientRect().bottom;
    return {
      core: bottom('core-lines'),
      aux: bottom('aux-lines'),
      composition: document.querySelector('.transfer .composition').getBoundingClientRect().top,
    };
  });
  assert.ok(boxes.composition >= boxes.core && boxes.composition >= boxes.aux,
            JSON.stringify(boxes));
  assert.deepEqual(problems, []);
});

test('the map follows the dark colour scheme, and shows its zoom', async () => {
  const paperOf = async (scheme) => {
    const schemed = await startSite({ colourScheme: scheme });
    const { page, problems } = await newPage(schemed);
    await page.setViewport({ width: 1280, height: 720 });
    await openDemo(schemed, page);
    await showPage(page, 'map');
    // The middle of the map's canvas, between its hexes' counters or not: its brightness.
    const brightness = await page.evaluate(() => {
      const canvas = document.getElementById('map');
      window.zarkel.map.drawNow();
      const context = canvas.getContext('2d');
      const { data } = context.getImageData(0, 0, canvas.width, canvas.height);
      let sum = 0;
      for (let i = 0; i < data.length; i += 4) sum += data[i] + data[i + 1] + data[i + 2];
      return sum / (3 * (data.length / 4));
    });
    const before = (await page.evaluate(() => window.zarkel.map.view())).radius;
    await page.click('#map-zoom-in');
    const zoomed = (await page.evaluate(() => window.zarkel.map.view())).radius;
    assert.ok(zoomed > before, `${zoomed} > ${before}`);
    await page.click('#map-zoom-out');
    assert.ok(Math.abs((await page.evaluate(() => window.zarkel.map.view())).radius - before) < 1e-6);
    assert.match(await text(page, '.map-bar .hint'), /Zoom with the wheel/);
    assert.deepEqual(problems, []);
    await schemed.close();
    return brightness;
  };
  const light = await paperOf('light');
  const dark = await paperOf('dark');
  assert.ok(light > 150, `light ${light}`);
  assert.ok(dark < 90, `dark ${dark}`);
});

test('the Map page\'s lists and its painting are modules that work on their own', async () => {
  const { page, problems } = await newPage(site);
  await page.goto(site.address);
  await page.waitForSelector('#try-demo:not([disabled])');
  const shown = await page.evaluate(async () => {
    const { showFindings, showUnplaced } = await import('./map-lists.js');
    const unplaced = document.createElement('ul');
    showUnplaced({ unplaced: [['Grenadiers', 'Pioniere'], [], ['Partisans']] }, unplaced,
                 ['Axis', 'Allies', 'Third side']);
    const findings = document.createElement('ol');
    const notes = document.createElement('p');
    const check = { findings: [{ text: 'Axis: 21 core units' }], notes: ['no equipment'] };
    showFindings({ check: () => check }, findings, notes);
    const { mapPainter } = await import('./map-paint.js');
    const canvas = document.createElement('canvas');
    canvas.width = 8;
    canvas.height = 8;
    const context = canvas.getContext('2d');
    const view = { frame: () => ({ paper: [0, 0, 8, 8], notches: [], grid: [], counters: [] }) };
    const style = window.zarkel.app.module.mapStyle();
    mapPainter({ context, style, view, content: () => ({ counters: [] }), marks: {},
                 onSchemeChange: () => {} }).draw(8, 8);
    const paper = [...context.getImageData(4, 4, 1, 1).data];
    // A hex marked as a dragged counter's drop: its colour lies over the paper, translucent.
    view.hexOutline = () => [8, 4, 6, 8, 2, 8, 0, 4, 2, 0, 6, 0];
    mapPainter({ context, style, view, content: () => ({ counters: [] }),
                 marks: { drop: { column: 0, row: 0 } }, onSchemeChange: () => {} }).draw(8, 8);
    return {
      unplaced: [...unplaced.children].map((item) => item.firstChild.textContent),
      names: [...unplaced.querySelectorAll(':scope li li')].map((item) => item.textContent),
      findings: [...findings.children].map((item) => item.textContent),
      notes: notes.hidden ? null : notes.textContent,
      paper,
      drop: [...context.getImageData(4, 4, 1, 1).data],
    };
  });
  // 120 of 255 of the drop's (255, 214, 0) over the paper's (238, 230, 204), give or take the
  // canvas's rounding.
  const { drop } = shown;
  delete shown.drop;
  [246, 222.5, 108, 255].forEach((wanted, i) =>
    assert.ok(Math.abs(drop[i] - wanted) <= 1, `drop ${drop} against ${wanted} at ${i}`));
  assert.deepEqual(shown, {
    unplaced: ['Axis (2)', 'Allies (0)', 'Third side (1)'],
    names: ['Grenadiers', 'Pioniere', 'Partisans'],
    findings: ['Axis: 21 core units'],
    notes: 'no equipment',
    paper: [238, 230, 204, 255],
  });
  assert.deepEqual(problems, []);
});
