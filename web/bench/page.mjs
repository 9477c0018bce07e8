// Figures of the page in headless Chromium (scripts/bench-web.sh runs this):
// - what the site loads before a file is opened, file by file, as it is and after gzip -9: what
//   the page asks for, and what the first visit sends in all, the service worker's offline copy
//   of the site included (each file the server sent whole, until the worker has taken over);
// - the time from the start of the navigation to `…/#demo` until the status line shows the open
//   demo, the median of RUNS loads, each in a fresh browser context (nothing cached);
// - with --write FOLDER/SCENARIO: an open plus a campaign write with its zip, in the page, of
//   that Homemade scenario with equip.eqp and equip.txt beside it: the files put into the
//   module, the open, the write with its files answered, and their zip (the download itself
//   left out), the median of RUNS;
// - with --frames FOLDER/SCENARIO (equip.eqp and equip.txt beside it too): the Map page's frames
//   of that Homemade scenario, the Axis side chosen, on a 1920 x 1080 canvas: the whole map
//   fitted, and four times that zoom over its top left corner; each frame drawn and its pixels
//   in place (a read of one pixel waits for them), the median of 20.
//
//   node web/bench/page.mjs [RUNS] [--write SCN] [--frames SCN]
//   (ZARKEL_SITE_DIR and ZARKEL_CHROMIUM as for the tests)
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { gzipSync } from 'node:zlib';

import { SITE_DIR, startSite } from '../tests/harness.mjs';

const args = process.argv.slice(2);
const option = (name) => {
  const at = args.indexOf(name);
  return at < 0 ? null : args.splice(at, 2)[1];
};
const writeScenario = option('--write');
const frameScenario = option('--frames');
const runs = Number(args[0] ?? 9);
const median = (times) => [...times].sort((a, b) => a - b)[(times.length - 1) >> 1];
const ms = (value) => `${value.toFixed(1)} ms`;

// Records, in the page, when the status line first says that units are open.
function markReady() {
  new MutationObserver((_, observer) => {
    const scenario = document.getElementById('scenario');
    if (scenario?.textContent.includes('units')) {
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

// A page with the files of `scenario` (and the equipment files beside it) served under
// /bench-inputs/, the editor loaded.
async function pageWithInputs(site, scenario, equipment) {
  const folder = path.dirname(scenario);
  const names = [path.basename(scenario), ...equipment];
  const files = Object.fromEntries(
    await Promise.all(names.map(async (name) => [name, await readFile(path.join(folder, name))])),
  );
  const page = await site.browser.newPage();
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const { pathname } = new URL(request.url());
    const name = pathname.startsWith('/bench-inputs/') ? pathname.slice(14) : null;
    if (name && files[name]) request.respond({ status: 200, body: files[name] });
    else request.continue();
  });
  await page.goto(site.address);
  await page.waitForFunction(() => window.zarkel !== undefined);
  await page.evaluate(async (all) => {
    window.benchFiles = await Promise.all(
      all.map(async (name) => ({ name, bytes: new Uint8Array(await (await fetch(`bench-inputs/${name}`)).arrayBuffer()) })),
    );
  }, names);
  return page;
}

async function openAndWrite(site, scenario) {
  const page = await pageWithInputs(site, scenario, ['equip.eqp', 'equip.txt']);
  const times = await page.evaluate(async (count, name) => {
    const { zipFiles } = await import('./files-out.js');
    const { session } = window.zarkel.app;
    const results = [];
    for (let run = 0; run < count; run += 1) {
      const start = performance.now();
      session.giveFiles(window.benchFiles);
      const opened = session.open({ layout: 'homemade', scenario: name,
                                    equipment: 'equip.eqp', names: 'equip.txt' });
      if (!opened.opened) throw new Error(opened.error);
      const put = performance.now();
      const result = session.write({ kind: 'campaign', page: 'axis', name: 'bench', folder: 'bench.zip' });
      if (!result.written) throw new Error(result.error);
      const written = performance.now();
      const zip = await zipFiles(result.written);
      const end = performance.now();
      if (zip.length === 0) throw new Error('empty zip');
      results.push({ total: end - start, open: put - start, write: written - put, zip: end - written });
    }
    return results;
  }, runs, path.basename(scenario));
  await page.close();
  const pick = (key) => median(times.map((time) => time[key]));
  return { total: pick('total'), open: pick('open'), write: pick('write'), zip: pick('zip') };
}

async function frames(site, scenario) {
  const page = await pageWithInputs(site, scenario, ['equip.eqp', 'equip.txt']);
  await page.setViewport({ width: 2200, height: 1400 });
  const times = await page.evaluate(async (name) => {
    const { app, map, tabs } = window.zarkel;
    app.session.giveFiles(window.benchFiles);
    const opened = app.session.open({ layout: 'homemade', scenario: name,
                                      equipment: 'equip.eqp', names: 'equip.txt' });
    if (!opened.opened) throw new Error(opened.error);
    app.session.chooseSide(0);
    const canvas = document.getElementById('map');
    canvas.style.width = '1920px';
    canvas.style.height = '1080px';
    tabs.show('page-map');
    await new Promise((resolve) => requestAnimationFrame(resolve));
    const context = canvas.getContext('2d');
    const timed = () => {
      const all = [];
      for (let run = 0; run < 20; run += 1) {
        const start = performance.now();
        map.drawNow();
        context.getImageData(0, 0, 1, 1);
        all.push(performance.now() - start);
      }
      return all.sort((a, b) => a - b)[9];
    };
    map.fit();
    const fitted = timed();
    const { radius } = map.view();
    map.setView(radius * 4, 8, 8);
    const zoomed = timed();
    return { fitted, zoomed, size: [canvas.width, canvas.height], radius };
  }, path.basename(scenario));
  await page.close();
  return times;
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

  if (writeScenario) {
    const write = await openAndWrite(site, writeScenario);
    console.log(`open and campaign write with its zip of ${path.basename(writeScenario)} in the page: ` +
                `median ${ms(write.total)} of ${runs} (files in and open ${ms(write.open)}, write ` +
                `${ms(write.write)}, zip ${ms(write.zip)}; target <= 100 ms)`);
  }
  if (frameScenario) {
    const frame = await frames(site, frameScenario);
    console.log(`map frames of ${path.basename(frameScenario)} on a ${frame.size.join(' x ')} canvas, ` +
                `median of 20: fitted ${ms(frame.fitted)}, zoomed 4x ${ms(frame.zoomed)} (target <= 16 ms)`);
  }
} finally {
  await site.close();
}
