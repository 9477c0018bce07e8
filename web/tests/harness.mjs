// What the page's tests stand on: the built site served on a free port of 127.0.0.1, Debian's
// Chromium (or Firefox ESR) started headless by puppeteer-core, and pages that record every sign
// of trouble (a console error, an uncaught exception, a failed request or a request to another
// host).
//
// ZARKEL_SITE_DIR names the site (build-web/site of the repository by default), ZARKEL_BROWSER
// the browser: chromium (the default) or firefox; ZARKEL_CHROMIUM and ZARKEL_FIREFOX where
// they are (/usr/bin/chromium, /usr/bin/firefox-esr); ZARKEL_NATIVE_CLI the native zarkel-cli
// whose outputs the page's writes are held against (build/src/cli/zarkel-cli).
//
// ZARKEL_SINGLE_FILE names the single-file edition (zarkel-VERSION.html): the suites that run on
// it then open it from its file: address, with no server, and any request for an address that is
// not a file:, data: or blob: one counts as a problem.
import { execFile } from 'node:child_process';
import { rmSync } from 'node:fs';
import { access, cp, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { promisify } from 'node:util';
import { unzipSync } from 'fflate';
import puppeteer from 'puppeteer-core';

import { serveSite, siteAddress } from '../serve.mjs';

const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const SITE_DIR = process.env.ZARKEL_SITE_DIR ?? path.join(repository, 'build-web/site');
export const CHROMIUM = process.env.ZARKEL_CHROMIUM ?? '/usr/bin/chromium';
export const FIREFOX = process.env.ZARKEL_FIREFOX ?? '/usr/bin/firefox-esr';
export const BROWSER = process.env.ZARKEL_BROWSER ?? 'chromium';
if (BROWSER !== 'chromium' && BROWSER !== 'firefox') {
  throw new Error(`ZARKEL_BROWSER is "${BROWSER}": chromium or firefox`);
}
export const NATIVE_CLI =
  process.env.ZARKEL_NATIVE_CLI ?? path.join(repository, 'build/src/cli/zarkel-cli');
export const EXAMPLES = path.join(repository, 'examples');
export const SINGLE_FILE = process.env.ZARKEL_SINGLE_FILE ?
  path.resolve(process.env.ZARKEL_SINGLE_FILE) : null;
// The addresses the single file may ask for: itself, and what it makes in memory.
const LOCAL_PROTOCOLS = ['file:', 'data:', 'blob:'];
export const isLocalAddress = (url) => LOCAL_PROTOCOLS.includes(new URL(url).protocol);

// One of the site's scripts (`files-in.js`), loaded in node. The site holds no package.json,
// so node 18 would read its `.js` files as CommonJS and fail at their first `export`: they are
// loaded from a copy (with the vendored libraries they import) beside one that says "module".
let siteModules;
export async function importSiteModule(name) {
  siteModules ??= (async () => {
    const copy = await mkdtemp(path.join(os.tmpdir(), 'zarkel-site-modules-'));
    process.on('exit', () => rmSync(copy, { recursive: true, force: true }));
    await cp(SITE_DIR, copy, {
      recursive: true,
      filter: (source) =>
        source === SITE_DIR || /\.js$|^vendor/.test(path.relative(SITE_DIR, source)),
    });
    await writeFile(path.join(copy, 'package.json'), '{ "type": "module" }\n');
    return copy;
  })();
  return import(pathToFileURL(path.join(await siteModules, name)).href);
}

// This machine's Chromium runs as root in a container without a GPU and must reach no other
// host, not even its own update and sync services.
const CHROMIUM_FLAGS = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// The long waits of a busy two-core machine; a healthy page is far quicker.
export const WAIT_MS = 60_000;

// Firefox's setting of the colour scheme its pages see: 0 dark, 1 light.
const FIREFOX_SCHEMES = { dark: 0, light: 1 };

// Serves the site (`siteDir`, the built one by default) and starts the browser. With
// `colourScheme` ('light' or 'dark') its pages see that scheme, whatever the machine's. Close it with
// `close()`, also after a failure. `stopServer()` and `startServer()` take the site off the
// network and put it back on the same address.
// With ZARKEL_SINGLE_FILE and no `siteDir`, nothing is served: the address is the file's.
export async function startSite({ siteDir, colourScheme } = {}) {
  const single = SINGLE_FILE && !siteDir;
  siteDir ??= SITE_DIR;
  let server = single ? null : await serveSite(siteDir, 0);
  const port = server?.address().port;
  const profile = await mkdtemp(path.join(os.tmpdir(), `zarkel-${BROWSER}-`));
  let browser;
  try {
    browser = await puppeteer.launch({
      ...(BROWSER === 'firefox'
        ? {
          browser: 'firefox',
          executablePath: FIREFOX,
          ...(colourScheme && {
            extraPrefsFirefox: {
              'layout.css.prefers-color-scheme.content-override': FIREFOX_SCHEMES[colourScheme],
            },
          }),
        }
        : { executablePath: CHROMIUM, args: CHROMIUM_FLAGS }),
      headless: true,
      userDataDir: profile,
      protocolTimeout: WAIT_MS,
    });
  } catch (error) {
    server?.close();
    await rm(profile, { recursive: true, force: true });
    throw error;
  }
  const stopServer = async () => {
    if (!server) return;
    server.closeAllConnections();
    await new Promise((resolve) => server.close(resolve));
    server = null;
  };
  return {
    address: single ? pathToFileURL(SINGLE_FILE).href : siteAddress(server),
    single,
    colourScheme,
    browser,
    get server() {
      return server;
    },
    stopServer,
    async startServer() {
      if (single) return;
      server ??= await serveSite(siteDir, port);
    },
    async close() {
      await browser.close();
      await stopServer();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// A new tab that records what went wrong in `problems`: console errors, uncaught exceptions,
// failed requests, answers of 400 and above, and any request to a host other than the site's
// (for the single file: any request that is not for a file:, data: or blob: address).
// With `downloadPath`, the tab lives in a browser context of its own whose downloads go there.
export async function newPage(site, { downloadPath } = {}) {
  const page = downloadPath
    ? await (await site.browser.createBrowserContext({
      downloadBehavior: { policy: 'allow', downloadPath },
    })).newPage()
    : await site.browser.newPage();
  page.setDefaultTimeout(WAIT_MS);
  // Chromium is told the scheme page by page; Firefox was told at its start.
  if (site.colourScheme && BROWSER === 'chromium') {
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: site.colourScheme }]);
  }
  const problems = [];
  const origin = new URL(site.address).origin;
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console error: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
  page.on('request', (request) => {
    const url = new URL(request.url());
    if (site.single) {
      if (!isLocalAddress(request.url())) problems.push(`request off the disk: ${request.url()}`);
    } else if (url.protocol.startsWith('http') && url.origin !== origin) {
      problems.push(`request to another host: ${request.url()}`);
    }
  });
  page.on('requestfailed', (request) => {
    problems.push(`request failed: ${request.url()} (${request.failure()?.errorText})`);
  });
  page.on('response', (response) => {
    if (response.status() >= 400) problems.push(`${response.status()}: ${response.url()}`);
  });
  return { page, problems };
}

// Waits until the text of the element `selector` contains `text`; answers the whole text.
export async function waitForText(page, selector, text) {
  await page.waitForFunction(
    (sel, wanted) => document.querySelector(sel)?.textContent.includes(wanted),
    {},
    selector,
    text,
  );
  return page.$eval(selector, (element) => element.textContent);
}

// A new tab as newPage's whose downloads go into a fresh folder, answered as `downloads`
// (remove it yourself).
export async function newPageWithDownloads(site) {
  const downloads = await mkdtemp(path.join(os.tmpdir(), 'zarkel-downloads-'));
  return { ...(await newPage(site, { downloadPath: downloads })), downloads };
}

// The bytes of the download `name` in `folder`, once it is complete.
export async function downloaded(folder, name) {
  const deadline = Date.now() + WAIT_MS;
  for (;;) {
    const names = await readdir(folder);
    // Chromium and Firefox name a download still under way NAME.crdownload and NAME.part.
    if (names.includes(name) && !names.some((other) => /\.(crdownload|part)$/.test(other))) {
      return new Uint8Array(await readFile(path.join(folder, name)));
    }
    if (Date.now() > deadline) throw new Error(`no download ${name} in ${folder}: ${names}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// The files of a zip: {name: Uint8Array}.
export function unzipped(bytes) {
  return unzipSync(bytes);
}

// Runs the native zarkel-cli in `cwd` and answers every file it wrote into a fresh folder:
// {name: Uint8Array}. `args` come after the command; --dir is added.
export async function nativeWrites(command, args, cwd) {
  await access(NATIVE_CLI).catch(() => {
    throw new Error(`${NATIVE_CLI} is missing: build the native zarkel-cli first`);
  });
  const out = await mkdtemp(path.join(os.tmpdir(), 'zarkel-native-'));
  try {
    await promisify(execFile)(NATIVE_CLI, [command, ...args, '--dir', out], { cwd });
    const files = {};
    for (const name of await readdir(out)) {
      files[name] = new Uint8Array(await readFile(path.join(out, name)));
    }
    return files;
  } finally {
    await rm(out, { recursive: true, force: true });
  }
}

// The page's dialog once it is open: {title, text, buttons: [captions]}.
export async function openDialog(page) {
  await page.waitForSelector('#dialog[open]');
  return page.$eval('#dialog', (dialog) => ({
    title: dialog.querySelector('.title').textContent,
    text: dialog.querySelector('.text').textContent,
    buttons: [...dialog.querySelectorAll('.buttons button')].map((button) => button.textContent),
  }));
}

// Presses the dialog's button `caption` and waits until the dialog has closed.
export async function answerDialog(page, caption) {
  await page.waitForSelector('#dialog[open]');
  await page.$$eval(
    '#dialog .buttons button',
    (buttons, wanted) => buttons.find((button) => button.textContent === wanted).click(),
    caption,
  );
  await page.waitForSelector('#dialog:not([open])');
}

// Opens the demo through the address ending in #demo and waits for it.
export async function openDemo(site, page) {
  await page.goto(`${site.address}#demo`);
  await waitForText(page, '#scenario', '63 units');
}

// Shows the page of the tab `id` ("transfer", "core", ...).
export async function showPage(page, id) {
  await page.click(`#tab-${id}`);
  await page.waitForSelector(`#page-${id}:not([hidden])`);
}

// Checks the side, selects the first `count` core lines and presses "Transfer =>".
export async function transferFirst(page, side, count) {
  await showPage(page, 'transfer');
  await page.click(`input[name="side"][value="${side}"]`);
  await page.waitForSelector('#core-lines option');
  await page.focus('#core-lines');
  await page.keyboard.press('Home');
  await page.keyboard.down('Shift');
  for (let i = 1; i < count; i += 1) await page.keyboard.press('ArrowDown');
  await page.keyboard.up('Shift');
  await page.click('#to-aux');
}

// Replaces the text of the field `selector` by `text` and finishes the edit with Tab.
export async function typeInto(page, selector, text) {
  await page.click(selector);
  // Selected by the page itself: Firefox does not select a number field's text on a triple click.
  await page.$eval(selector, (field) => field.select());
  await page.keyboard.press('Backspace');
  await page.keyboard.type(text);
  await page.keyboard.press('Tab');
}

// Replaces the text of the field `selector` by `text`, typed, and leaves the focus there.
export async function retype(page, selector, text) {
  await page.click(selector);
  await page.$eval(selector, (field) => field.select());
  await page.keyboard.type(text);
}
