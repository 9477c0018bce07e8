// The site offline and installed: after a first visit the page opens with the server gone; a
// changed file of the site is a new version, taken in at the next visit (not halfway through
// an upload) and announced by the page. Runs on a copy of the site, which the tests change.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';

import { writeWorker } from '../offline/site-files.mjs';
import { BROWSER, SITE_DIR, newPage, startSite, waitForText } from './harness.mjs';

let siteDir;
let site;
before(async () => {
  siteDir = await mkdtemp(path.join(os.tmpdir(), 'zarkel-site-'));
  await cp(SITE_DIR, siteDir, { recursive: true });
  site = await startSite({ siteDir });
});
after(async () => {
  await site?.close();
  if (siteDir) await rm(siteDir, { recursive: true, force: true });
});

// A page that the site's service worker controls.
async function visit(address = site.address) {
  const visited = await newPage(site);
  await visited.page.goto(address);
  await visited.page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  return visited;
}

const zarkelCaches = (page) =>
  page.evaluate(async () => (await caches.keys()).filter((name) => name.startsWith('zarkel ')));

test('after a first visit the page, and the demo opened then, open with the site offline',
  async () => {
    const first = await visit();
    await first.page.waitForSelector('#try-demo:not([disabled])');
    await first.page.click('#try-demo');
    await waitForText(first.page, '#scenario', '63 units');
    assert.equal(await first.page.$eval('#update-notice', (notice) => notice.hidden), true);
    assert.deepEqual(first.problems, []);

    await site.stopServer();
    try {
      const { page, problems } = await newPage(site);
      await page.goto(`${site.address}#demo`);
      assert.equal(await waitForText(page, '#scenario', '63 units'),
                   'kardel.scn \u00b7 Homemade \u00b7 map 40 x 30 \u00b7 63 units');
      assert.deepEqual(problems, []);
    } finally {
      await site.startServer();
    }
  });

test('a first visit at #demo keeps the demo set offline; a first visit without it fetches none',
  async () => {
    const demoNames = JSON.parse(await readFile(path.join(siteDir, 'demo/files.json'), 'utf8'));
    const demoCached = (page) =>
      page.evaluate(async (names) => {
        const kept = await Promise.all(names.map(async (name) => {
          for (const cacheName of await caches.keys()) {
            if (await (await caches.open(cacheName)).match(new URL(`demo/${name}`, document.baseURI))) {
              return true;
            }
          }
          return false;
        }));
        return kept;
      }, ['files.json', ...demoNames]);

    // Browsers of their own: nothing of the site is kept in them yet.
    const plainSite = await startSite({ siteDir });
    try {
      const { page, problems } = await newPage(plainSite);
      const fetched = [];
      page.on('request', (request) => fetched.push(new URL(request.url()).pathname));
      await page.goto(plainSite.address);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
      await new Promise((resolve) => setTimeout(resolve, 500));
      assert.deepEqual(fetched.filter((name) => name.startsWith('/demo/')), []);
      assert.deepEqual(await demoCached(page), demoNames.map(() => false).concat(false));
      assert.deepEqual(problems, []);
    } finally {
      await plainSite.close();
    }

    const fresh = await startSite({ siteDir });
    try {
      // The worker comes late, as on a slow network: the demo is fetched before it controls
      // the page.
      const [serve] = fresh.server.listeners('request');
      fresh.server.removeAllListeners('request');
      fresh.server.on('request', (request, response) => {
        if (request.url.endsWith('/service-worker.js')) setTimeout(() => serve(request, response), 2000);
        else serve(request, response);
      });
      const { page, problems } = await newPage(fresh);
      await page.goto(`${fresh.address}#demo`);
      await waitForText(page, '#scenario', '63 units');
      assert.equal(await page.evaluate(() => navigator.serviceWorker.controller), null);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
      const deadline = Date.now() + 30_000;
      let kept = await demoCached(page);
      while (kept.includes(false) && Date.now() < deadline) {
        await new Promise((resolve) => setTimeout(resolve, 200));
        kept = await demoCached(page);
      }
      assert.ok(!kept.includes(false), JSON.stringify(kept));
      assert.deepEqual(problems, []);

      await fresh.stopServer();
      await page.reload();
      assert.equal(await waitForText(page, '#scenario', '63 units'),
                   'kardel.scn \u00b7 Homemade \u00b7 map 40 x 30 \u00b7 63 units');
      assert.deepEqual(problems, []);
    } finally {
      await fresh.close();
    }
  });

test('a changed file is a new version: taken in at the next visit once the whole of it is on ' +
     'the server, then announced', async () => {
  const { page, problems } = await visit();
  const [first] = await zarkelCaches(page);
  const style = path.join(siteDir, 'style.css');
  const oldStyle = await readFile(style, 'utf8');
  const newStyle = `${oldStyle}\n/* the next version */\n`;

  // Halfway through an upload: the new worker is there, the new style.css not yet.
  await writeFile(style, newStyle);
  await writeWorker(siteDir);
  await writeFile(style, oldStyle);
  const halfway = await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update();
    const worker = registration.installing ?? registration.waiting ?? registration.active;
    await new Promise((resolve) => {
      const settled = () => worker.state === 'redundant' || worker.state === 'activated';
      if (settled()) resolve();
      worker.addEventListener('statechange', () => settled() && resolve());
    });
    return worker.state;
  });
  assert.equal(halfway, 'redundant');
  assert.deepEqual(await zarkelCaches(page), [first]);

  // The upload done: the next visit takes the new version in and says so.
  await writeFile(style, newStyle);
  await page.reload();
  await waitForText(page, '#update-notice', 'A new version of zarkel has been installed');
  // The page learns of the new version as it starts up, before it has dropped the old one.
  await page.waitForFunction(() => navigator.serviceWorker.controller.state === 'activated');
  const [second, ...others] = await zarkelCaches(page);
  assert.notEqual(second, first);
  assert.deepEqual(others, []);

  await page.reload();
  assert.equal(await page.evaluate(async () => (await fetch('style.css')).text()), newStyle);
  assert.equal(await page.$eval('#update-notice', (notice) => notice.hidden), true);
  assert.deepEqual(problems, []);
});

if (BROWSER === 'chromium') {
  test('the page can be installed as an app, with its icons', async () => {
    const { page, problems } = await visit();
    const session = await page.createCDPSession();
    const manifest = await session.send('Page.getAppManifest');
    assert.deepEqual(manifest.errors, []);
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    for (const { src } of JSON.parse(manifest.data).icons) {
      assert.equal((await page.evaluate(async (url) => (await fetch(url)).status, src)), 200, src);
    }
    assert.deepEqual(problems, []);
  });
}
