// The demo, end to end in headless Chromium: the site's module opens the demo set that the page
// fetched, through the core's own open.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { newPage, startSite, waitForText } from './harness.mjs';

let site;
before(async () => {
  site = await startSite();
});
after(async () => {
  await site?.close();
});

test('the address ending #demo opens the demo and shows it in the status line', async () => {
  const { page, problems } = await newPage(site);
  await page.goto(`${site.address}#demo`);
  const status = await waitForText(page, '#status', '63 units');
  assert.equal(status, 'kardel.scn \u00b7 Homemade \u00b7 map 40 x 30 \u00b7 63 units');
  assert.equal(await page.$eval('#message', (box) => box.hidden), true);
  assert.deepEqual(problems, []);
});

test('the demo set is fetched only when asked for, then by "Try the demo"', async () => {
  const { page, problems } = await newPage(site);
  const fetched = [];
  page.on('request', (request) => fetched.push(new URL(request.url()).pathname));
  await page.goto(site.address);
  await page.waitForSelector('#try-demo:not([disabled])');
  assert.deepEqual(
    fetched.filter((name) => name.startsWith('/demo/')),
    [],
  );
  await page.click('#try-demo');
  await waitForText(page, '#status', '63 units');
  assert.ok(fetched.includes('/demo/kardel.scn'));
  assert.deepEqual(problems, []);
});

test('a refused open answers with the core message and keeps the open scenario', async () => {
  const { page, problems } = await newPage(site);
  await page.goto(site.address);
  const answers = await page.evaluate(async () => {
    const { loadModule, putFiles } = await import('./editor.js');
    const { fetchDemoSet } = await import('./demo.js');
    const module = await loadModule();
    const folder = putFiles(module, '/trial', await fetchDemoSet());
    const editor = new module.Editor();
    const request = (layout) => ({
      layout,
      scenario: `${folder}/kardel.scn`,
      equipment: `${folder}/equipment.eqp`,
      names: `${folder}/equipment.txt`,
    });
    // Without an error, none (Firefox hands an undefined field over as it is).
    const pick = ({ opened, status, error }) => ({ opened, status, ...(error && { error }) });
    return [
      pick(editor.open(request('original'))),
      pick(editor.open(request('homemade'))),
      pick(editor.open(request('original'))),
      pick(editor.open({ ...request('homemade'), scenario: `${folder}/absent.scn` })),
    ];
  });
  const opened = 'kardel.scn \u00b7 Homemade \u00b7 map 40 x 30 \u00b7 63 units';
  const wrongLayout =
    '"/trial/kardel.scn" looks like a scenario of the "Homemade" layout, not "Orvane Original": ' +
    'its size fits that layout exactly. Choose "Homemade" and open it again.';
  assert.deepEqual(answers, [
    { opened: false, status: '', error: wrongLayout },
    { opened: true, status: opened },
    { opened: false, status: opened, error: wrongLayout },
    { opened: false, status: opened, error: 'File not found: "/trial/absent.scn"' },
  ]);
  assert.deepEqual(problems, []);
});
