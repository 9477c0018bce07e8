// Figures of the single-file edition (scripts/bench-web.sh runs this):
// - its size on disk (target <= 700 KB), and after gzip -9 for comparison;
// - the time from the start of the navigation to its `file://…#demo` address until the status
//   line shows the open demo, in headless Chromium, the median of RUNS loads, each in a fresh
//   browser context (target <= 1 s).
//
//   node web/bench/single.mjs FILE [RUNS]   (ZARKEL_CHROMIUM as for the tests)
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { gzipSync } from 'node:zlib';

const [file, runsText] = process.argv.slice(2);
if (!file) {
  console.error('usage: node web/bench/single.mjs FILE [RUNS]');
  process.exit(2);
}
process.env.ZARKEL_SINGLE_FILE = path.resolve(file);
const { startSite } = await import('../tests/harness.mjs');
const runs = Number(runsText ?? 9);

// Records, in the page, when the status line first says that units are open.
function markReady() {
  new MutationObserver((_, observer) => {
    if (document.getElementById('scenario')?.textContent.includes('63 units')) {
      window.zarkelReadyAt = performance.now();
      observer.disconnect();
    }
  }).observe(document, { subtree: true, childList: true, characterData: true });
}

const bytes = await readFile(file);
const kb = (count) => `${(count / 1024).toFixed(1)} KB`;
console.log(`${path.basename(file)}: ${kb(bytes.length)} on disk (target <= 700 KB), ` +
            `${kb(gzipSync(bytes, { level: 9 }).length)} after gzip -9`);
const site = await startSite();
try {
  const times = [];
  for (let run = 0; run < runs; run += 1) {
    const context = await site.browser.createBrowserContext();
    const page = await context.newPage();
    await page.evaluateOnNewDocument(markReady);
    await page.goto(`${site.address}#demo`);
    await page.waitForFunction(() => window.zarkelReadyAt !== undefined);
    times.push(await page.evaluate(() => window.zarkelReadyAt));
    await context.close();
  }
  times.sort((a, b) => a - b);
  console.log(`"63 units" shown after opening it with #demo: median ${times[(runs - 1) >> 1].toFixed(0)} ` +
              `ms of ${runs} loads (${times[0].toFixed(0)} to ${times[runs - 1].toFixed(0)} ms; ` +
              'target <= 1000 ms)');
} finally {
  await site.close();
}
