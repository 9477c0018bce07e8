// The page for every user: axe-core finds no violation, at any impact, on any of the ten pages,
// before a scenario is open and with the demo open, in the light colour scheme and the dark.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { test } from 'node:test';

import { newPage, openDemo, showPage, startSite } from './harness.mjs';

const TABS = ['open', 'core', 'aux', 'transfer', 'campaign', 'axis', 'ob', 'allied', 'homemade',
              'map'];
const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
                                 'utf8');


// axe's violations on the page as it is shown: ["rule (impact): what, where"].
async function violations(page) {
  if (!(await page.evaluate(() => typeof window.axe === 'object'))) {
    await page.evaluate(axeSource);
  }
  return page.evaluate(async () => {
    const results = await window.axe.run(document, { resultTypes: ['violations'] });
    return results.violations.flatMap((violation) =>
      violation.nodes.map((node) =>
        `${violation.id} (${violation.impact}): ${node.failureSummary} at ${node.target.join(' ')}`));
  });
}

for (const scheme of ['light', 'dark']) {
  test(`no violation of axe-core on any page, in the ${scheme} colour scheme`, async (t) => {
    const site = await startSite({ colourScheme: scheme });
    t.after(() => site.close());
    const { page, problems } = await newPage(site);
    await page.setViewport({ width: 1280, height: 800 });
    await page.goto(site.address);
    await page.waitForSelector('#try-demo:not([disabled])');
    const found = [];
    const look = async (when) => {
      for (const tab of TABS) {
        await showPage(page, tab);
        for (const violation of await violations(page)) found.push(`${when}, ${tab}: ${violation}`);
      }
    };
    await look('nothing open');
    await openDemo(site, page);
    await showPage(page, 'transfer');
    await page.click('input[name="side"][value="0"]');
    await page.waitForSelector('#core-lines option');
    await showPage(page, 'core');
    await page.select('#core-all', await page.$eval('#core-all option', (option) => option.value));
    await look('demo open');
    assert.deepEqual(found, []);
    assert.deepEqual(problems, []);
  });
}
