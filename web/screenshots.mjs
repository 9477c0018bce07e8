// Pictures of the page for the README, taken in headless Chromium from the built site, on the
// demo: docs/web-*.png. Run after scripts/web.sh --build:
//
//   node web/screenshots.mjs            (ZARKEL_SITE_DIR and ZARKEL_CHROMIUM as for the tests)
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { newPage, openDemo, showPage, startSite } from './tests/harness.mjs';

const docs = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../docs');

async function picture(page, name) {
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
  await page.screenshot({ path: path.join(docs, `web-${name}.png`) });
}

// The demo open with the Axis side chosen, two units transferred and one under review.
async function demo(site, { width, height, scheme }) {
  const { page, problems } = await newPage(site);
  await page.setViewport({ width, height });
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
  await openDemo(site, page);
  await showPage(page, 'transfer');
  await page.click('input[name="side"][value="0"]');
  return { page, problems };
}

const site = await startSite();
try {
  const { page, problems } = await demo(site, { width: 1280, height: 720, scheme: 'light' });
  await showPage(page, 'open');
  await picture(page, 'open-file');
  await showPage(page, 'transfer');
  await page.focus('#core-lines');
  await page.keyboard.press('Home');
  await page.keyboard.down('Shift');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.up('Shift');
  await picture(page, 'core-aux-transfer');
  await showPage(page, 'core');
  await page.focus('#core-all');
  await page.keyboard.press('ArrowDown');
  await picture(page, 'core-units');
  await showPage(page, 'campaign');
  await page.click('#update-values');
  await picture(page, 'campaign-data');
  await showPage(page, 'map');
  await page.evaluate(() => {
    const { map } = window.zarkel;
    const { radius } = map.view();
    map.setView(radius * 2.2, 12, 12);
  });
  await picture(page, 'map');

  const wide = await demo(site, { width: 1920, height: 1080, scheme: 'dark' });
  await showPage(wide.page, 'map');
  await picture(wide.page, 'map-dark-1920');
  if (problems.length + wide.problems.length > 0) throw new Error([...problems, ...wide.problems].join('\n'));
  console.log(`pictures written to ${docs}`);
} finally {
  await site.close();
}
