// What the page's tests stand on: the built site served on a free port of 127.0.0.1, Debian's
// Chromium (or Firefox ESR) started headless by puppeteer-core, and pages that record every sign
// of trouble (a console error, an uncaught exception, a failed request or a request to another
// host).
//
// ZARKEL_SITE_DIR names the site (build-web/site of the repository by default), ZARKEL_BROWSER
// the browser: chromium (the default) or firefox; ZARKEL_CHROMIUM and ZARKEL_FIREFOX where
// they are (/usr/bin/chromium, /usr/bin/firefox-esr).
import { mkdtemp, rm } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
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

// Serves the site (`siteDir`, the built one by default) and starts the browser. Close it with
// `close()`, also after a failure. `stopServer()` and `startServer()` take the site off the
// network and put it back on the same address.
export async function startSite({ siteDir = SITE_DIR } = {}) {
  let server = await serveSite(siteDir, 0);
  const { port } = server.address();
  const profile = await mkdtemp(path.join(os.tmpdir(), `zarkel-${BROWSER}-`));
  let browser;
  try {
    browser = await puppeteer.launch({
      ...(BROWSER === 'firefox'
        ? { browser: 'firefox', executablePath: FIREFOX }
        : { executablePath: CHROMIUM, args: CHROMIUM_FLAGS }),
      headless: true,
      userDataDir: profile,
      protocolTimeout: WAIT_MS,
    });
  } catch (error) {
    server.close();
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
    address: siteAddress(server),
    browser,
    get server() {
      return server;
    },
    stopServer,
    async startServer() {
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
// failed requests, answers of 400 and above, and any request to a host other than the site's.
export async function newPage(site) {
  const page = await site.browser.newPage();
  page.setDefaultTimeout(WAIT_MS);
  const problems = [];
  const origin = new URL(site.address).origin;
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console error: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
  page.on('request', (request) => {
    const url = new URL(request.url());
    if (url.protocol.startsWith('http') && url.origin !== origin) {
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
