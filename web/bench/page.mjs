// Figures of the page in headless Chromium (scripts/bench-web.sh runs this):
// - what the site loads before a file is opened, file by file, as it is and after gzip -9: what
//   the page asks for, and what the first visit sends in all, the service worker's offline copy
//   of the site included (each file the server sent whole, until the worker has taken over);
// - the time from the start of the navigation to `…/#demo` until the status line shows the open
//   demo, the median of RUNS loads, each in a fresh browser context (nothing cached).
//
//   node web/bench/page.mjs [RUNS]      (ZARKEL_SITE_DIR and ZARKEL_CHROMIUM as for the tests)
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { gzipSync } from 'node:zlib';

import { SITE_DIR, startSite } from '../tests/harness.mjs';

const runs = Number(process.argv[2] ?? 9);

// Records, in the page, when the status line first says that units are open.
function markReady() {
  new MutationObserver((_, observer) => {
    const status = document.getElementById('status');
    if (status?.textContent.includes('units')) {
      window.zarkelReadyAt = performance.now();
      observer.disconnect();
    }
  }).observe(document, { subtree: true, childList: true, characterData: true });
}

async function loadedBeforeOpening(site) {
  const context = await site.browser.createBrowserContext();
  const page = await context.newPage();
  const paths = [];
  const sent = [];
  const logSent = (request, response) => response.on('finish', () => {
    if (response.statusCode === 200) sent.push(new URL(request.url, 'http://localhost').pathname);
  });
  site.server.on('request', logSent);
  page.on('response', (response) => paths.push(new URL(response.url()).pathname));
  await page.goto(site.address);
  await page.waitForSelector('#try-demo:not([disabled])');
  const pageFiles = await sizes(paths);
  await page.waitForFunction(async () =>
    (await navigator.serviceWorker.ready).active.state === 'activated');
  site.server.off('request', logSent);
  await context.close();
  return { pageFiles, firstVisit: await sizes(sent) };
}

async function sizes(paths) {
  const files = [];
  for (const urlPath of paths) {
    const file = urlPath.endsWith('/') ? `${urlPath}index.html` : urlPath;
    const bytes = await readFile(path.join(SITE_DIR, file));
    files.push({ file, bytes: bytes.length, gzipped: gzipSync(bytes, { level: 9 }).length });
  }
  return files;
}

async function readyWithDemo(site) {
  const context = await site.browser.createBrowserContext();
  const page = await context.newPage();
  await page.evaluateOnNewDocument(markReady);
  await page.goto(`${site.address}#demo`);
  await page.waitForFunction(() => window.zarkelReadyAt !== undefined);
  const milliseconds = await page.evaluate(() => window.zarkelReadyAt);
  await context.close();
  return milliseconds;
}

const site = await startSite();
try {
  const { pageFiles, firstVisit } = await loadedBeforeOpening(site);
  const kb = (bytes) => (bytes / 1024).toFixed(1);
  const total = (files, key) => files.reduce((sum, file) => sum + file[key], 0);
  const line = (name, files) =>
    `  ${name.padEnd(22)} ${kb(total(files, 'bytes')).padStart(8)} ` +
    `${kb(total(files, 'gzipped')).padStart(8)}`;
  console.log('loaded by the page before a file is opened (KB, as served and after gzip -9):');
  for (const file of pageFiles) console.log(line(file.file, [file]));
  console.log(`${line('total', pageFiles)} (target <= 250 gzipped)`);
  console.log('the first visit in all, the offline copy of the site included (each file as often ' +
              'as it was sent whole; a revalidated one costs a 304):');
  const offline = firstVisit.filter(({ file }) => !pageFiles.some((other) => other.file === file));
  for (const file of offline) console.log(line(file.file, [file]));
  console.log(`${line(`total, ${firstVisit.length} requests`, firstVisit)}`);

  const times = [];
  for (let run = 0; run < runs; run += 1) times.push(await readyWithDemo(site));
  times.sort((a, b) => a - b);
  console.log(`ready with the demo open: median ${times[(runs - 1) >> 1].toFixed(0)} ms of ` +
              `${runs} loads (${times[0].toFixed(0)} to ${times[runs - 1].toFixed(0)} ms)`);
} finally {
  await site.close();
}
