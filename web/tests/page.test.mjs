// The page in headless Chromium, driven as a user drives it: the demo opened by its address,
// the side, a transfer of two lines, a unit edit, the type and a limit, undo and redo from the
// keyboard, and a unit dragged on the map. What the page shows is the session's and the core's
// own text.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import {
  newPage,
  openDemo,
  showPage,
  startSite,
  typeInto,
  waitForText,
} from './harness.mjs';

const OPENED = 'kardel.scn \u00b7 Homemade \u00b7 map 40 x 30 \u00b7 63 units';

let site;
before(async () => {
  site = await startSite();
});
after(async () => {
  await site?.close();
});

const text = (page, selector) => page.$eval(selector, (element) => element.textContent);
const value = (page, selector) => page.$eval(selector, (element) => element.value);
const options = (page, selector) =>
  page.$$eval(`${selector} option`, (all) => all.map((option) => option.textContent.replaceAll('\u00a0', ' ')));

test('the demo set is fetched only when asked for, by "Try the demo" or the address ending #demo', async () => {
  const { page, problems } = await newPage(site);
  const fetched = [];
  page.on('request', (request) => fetched.push(new URL(request.url()).pathname));
  await page.goto(site.address);
  await page.waitForSelector('#try-demo:not([disabled])');
  assert.deepEqual(fetched.filter((name) => name.startsWith('/demo/')), []);
  await page.click('#try-demo');
  assert.equal(await waitForText(page, '#scenario', '63 units'), OPENED);
  // The single file carries the demo set inside: nothing is fetched for it there.
  assert.equal(fetched.includes('/demo/kardel.scn'), !site.single);

  const second = await newPage(site);
  await openDemo(site, second.page);
  assert.equal(await text(second.page, '#status'),
               'Opened "kardel.scn"; read equipment from "equipment.eqp" and "equipment.txt"');
  assert.deepEqual([...problems, ...second.problems], []);
});

test('a transfer, a unit edit, the type and a limit, undone and redone from the keyboard', async () => {
  const { page, problems } = await newPage(site);
  await openDemo(site, page);

  await showPage(page, 'transfer');
  await page.click('input[name="side"][value="0"]');
  await waitForText(page, '#core-lines', 'Grenadiers');
  const core = await options(page, '#core-lines');
  await page.focus('#core-lines');
  await page.keyboard.press('Home');
  await page.keyboard.down('Shift');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.up('Shift');
  await page.click('#to-aux');
  assert.equal(await text(page, '#status'), 'Transferred 2 units to auxiliary');
  const aux = await options(page, '#aux-lines');
  assert.ok(aux.includes(core[0]) && aux.includes(core[1]), `${core.slice(0, 2)} in ${aux}`);
  assert.equal(await text(page, '#undo'), 'Undo Transfer of 2 units to auxiliary');

  await showPage(page, 'core');
  await page.focus('#core-all');
  await page.keyboard.press('Home');
  const name = await text(page, '#core-name');
  assert.equal(name, (await options(page, '#core-all'))[0]);
  await typeInto(page, '#core-experience', '4');
  await page.click('#page-core .accept');
  assert.equal(await text(page, '#status'), `Changed "${name}": experience 4`);

  await showPage(page, 'campaign');
  await typeInto(page, '#battle-type', '7');
  assert.equal(await value(page, '#battle-type'), '2', 'brought into 0..2');
  await typeInto(page, '#battle-type', '1');
  assert.equal(await text(page, '#status'), 'Changed "Type of Scenario" to 1');
  await typeInto(page, '#limit-4', '90');
  assert.equal(await text(page, '#status'), 'Changed "max # of axis Aux" to \'90\'');

  // Undo and redo from the keyboard, away from a text field, which keeps its own.
  await page.focus('#update-values');
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  assert.equal(await value(page, '#limit-4'), '12');
  await page.keyboard.press('z');
  assert.equal(await value(page, '#battle-type'), '2');
  assert.equal(await text(page, '#status'), 'Undid: Change of Type of Scenario');
  await page.keyboard.down('Shift');
  await page.keyboard.press('Z');
  await page.keyboard.up('Shift');
  assert.equal(await value(page, '#battle-type'), '1');
  await page.keyboard.press('y');
  await page.keyboard.up('Control');
  assert.equal(await value(page, '#limit-4'), '90');
  assert.equal(await text(page, '#redo'), 'Redo');
  assert.equal(await page.$eval('#redo', (button) => button.disabled), true);

  // An undo of the unit edit shows its side's lists again, with the old experience.
  await page.click('#undo');
  await page.click('#undo');
  await page.click('#undo');
  assert.equal(await text(page, '#status'), `Undid: Change of ${name}`);
  assert.equal(await text(page, '#undo'), 'Undo Transfer of 2 units to auxiliary');
  assert.deepEqual(problems, []);
});

test('a unit dragged to another hex is moved as "Accept Changes" moves it; dropped off the map, it stays', async () => {
  const { page, problems } = await newPage(site);
  await page.setViewport({ width: 1280, height: 720 });
  await openDemo(site, page);
  await showPage(page, 'transfer');
  await page.click('input[name="side"][value="0"]');
  await showPage(page, 'map');

  // A counter of the side chosen alone on its hex, and the point two rows below its centre.
  const drag = await page.evaluate(() => {
    const { map } = window.zarkel;
    const counters = map.content().counters;
    const index = counters.findIndex(
      (c, i) => c.line >= 0 && c.row < 20 &&
        counters.filter((other) => other.column === c.column && other.row === c.row).length === 1,
    );
    const rect = map.counterRect(index);
    const box = document.getElementById('map').getBoundingClientRect();
    const x = box.left + rect.left + rect.side / 2;
    const y = box.top + rect.top + rect.side / 2;
    const step = map.view().radius * Math.sqrt(3);
    const counter = counters[index];
    return { x, y, to: y + 2 * step, unit: counter.unitIndex, column: counter.column, row: counter.row,
             name: counter.description.split('\n')[0], off: box.right + 20 };
  });
  await page.mouse.move(drag.x, drag.y);
  await page.mouse.down();
  await page.mouse.move(drag.x, drag.y + 10, { steps: 3 });
  await page.mouse.move(drag.x, drag.to, { steps: 5 });
  await page.mouse.up();
  const moved = `Moved "${drag.name}" to column ${drag.column}, row ${drag.row + 2}`;
  assert.equal(await waitForText(page, '#status', moved), moved);
  assert.equal(await text(page, '#undo'), `Undo Change of ${drag.name}`);
  const where = () => page.evaluate((unit) => {
    const counter = window.zarkel.map.content().counters.find((c) => c.unitIndex === unit);
    return [counter.column, counter.row];
  }, drag.unit);
  assert.deepEqual(await where(), [drag.column, drag.row + 2]);

  // Off the map: nothing changes.
  await page.mouse.move(drag.x, drag.to);
  await page.mouse.down();
  await page.mouse.move(drag.off, drag.to, { steps: 5 });
  await page.mouse.up();
  assert.deepEqual(await where(), [drag.column, drag.row + 2]);
  assert.equal(await text(page, '#status'), moved);
  assert.equal(await text(page, '#findings'), 'No findings.');
  assert.deepEqual(problems, []);
});

test('leaving the page asks first when edits are unwritten, an edit still being typed included', async () => {
  const asked = async (edit) => {
    const { page, problems } = await newPage(site);
    await openDemo(site, page);
    await showPage(page, 'campaign');
    await edit(page);
    let dialog = null;
    page.on('dialog', async (shown) => {
      dialog = shown.type();
      await shown.accept();
    });
    const closed = new Promise((resolve) => page.once('close', resolve));
    await page.close({ runBeforeUnload: true });
    await closed;
    assert.deepEqual(problems, []);
    return dialog;
  };
  // The limit is typed and its field still has the focus: leaving finishes the edit first.
  assert.equal(await asked(async (page) => {
    await page.click('#limit-5', { clickCount: 3 });
    await page.keyboard.type('50');
  }), 'beforeunload');
  assert.equal(await asked(async (page) => page.click('#limit-5')), null);
});
