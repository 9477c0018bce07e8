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

test('the address ending #demo opens the demo scenario and shows it in the status line', async () => {
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
