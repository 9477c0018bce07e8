// The single-file edition (zarkel-VERSION.html, ZARKEL_SINGLE_FILE) opened from the disk: it
// asks for no address but its own file: address and what it makes in memory, from its load
// through a campaign write; its policy refuses any other; it says its version, which its name
// carries; and, in Chromium, "Write into folder…" writes the native program's bytes through the
// page's own buttons and refuses a file in use. Headless Chromium shows no picker and gives no
// origin-private folder on a file: address, so the pickers hand the page stand-in handles that
// have the methods of the browser's own.
import assert from 'node:assert/strict';
import { copyFile, mkdir, mkdtemp, readFile, rm } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';

import {
  BROWSER,
  EXAMPLES,
  SINGLE_FILE,
  answerDialog,
  downloaded,
  isLocalAddress,
  nativeWrites,
  newPage,
  newPageWithDownloads,
  openDialog,
  showPage,
  startSite,
  transferFirst,
  unzipped,
  waitForText,
} from './harness.mjs';

const skip = SINGLE_FILE ? false : 'ZARKEL_SINGLE_FILE names no single file';

let site;
const scratch = [];
before(async () => {
  if (!skip) site = await startSite();
});
after(async () => {
  await site?.close();
  for (const folder of scratch) await rm(folder, { recursive: true, force: true });
});

const OPEN = ['--layout', 'homemade', 'kardel.scn', '--equipment', 'equipment.eqp', '--names',
              'equipment.txt'];

test('from its load through a campaign write the file asks for no address off the disk, from ' +
     'any folder; it says its version and registers no service worker', { skip }, async () => {
  // A copy in a folder of another name, with a space and a letter outside ASCII.
  const folder = await mkdtemp(path.join(os.tmpdir(), 'zarkel-single-'));
  scratch.push(folder);
  await mkdir(path.join(folder, 'Mods für Kardel'));
  const copy = path.join(folder, 'Mods für Kardel', path.basename(SINGLE_FILE));
  await copyFile(SINGLE_FILE, copy);

  const { page, problems, downloads } = await newPageWithDownloads(site);
  scratch.push(downloads);
  const requests = [];
  const messages = [];
  page.on('request', (request) => requests.push(request.url()));
  page.on('console', (message) => {
    if (!['log', 'debug', 'info'].includes(message.type())) messages.push(message.text());
  });
  await page.goto(pathToFileURL(copy).href);
  await page.waitForSelector('#try-demo:not([disabled])');
  await page.click('#try-demo');
  await waitForText(page, '#scenario', '63 units');
  await transferFirst(page, 0, 1);
  await showPage(page, 'axis');
  await page.click('#page-axis input[value="cchina"]');
  await page.click('#page-axis .write-out');
  const written = unzipped(await downloaded(downloads, 'cchina.zip'));
  assert.deepEqual(written, await nativeWrites(
    'campaign', [...OPEN, '--side', 'axis', '--to-aux', '0', '--slot', 'Central China'], EXAMPLES));

  assert.ok(requests.length > 0, 'the file itself was asked for');
  assert.deepEqual(requests.filter((url) => !isLocalAddress(url)), []);
  const version = path.basename(SINGLE_FILE).match(/^zarkel-(.+)\.html$/)?.[1];
  assert.equal(await page.$eval('#version', (line) => line.textContent), `zarkel ${version}`);
  // Browsers offer service workers on a file: address, but registering one there fails.
  assert.equal(await page.evaluate(() => navigator.serviceWorker?.controller ?? null), null);
  assert.deepEqual(messages, []);
  assert.deepEqual(problems, []);
});

test('its policy refuses every address the file does not hold', { skip }, async () => {
  const { page } = await newPage(site);
  await page.goto(site.address);
  await page.waitForSelector('#try-demo:not([disabled])');
  const refused = await page.evaluate(async () => {
    const violations = [];
    document.addEventListener('securitypolicyviolation', (event) => {
      violations.push(event.effectiveDirective);
    });
    await fetch('http://127.0.0.1:9/refused').catch(() => {});
    const image = new Image();
    image.src = 'http://127.0.0.1:9/refused.png';
    const script = document.createElement('script');
    script.src = 'data:text/javascript,window.ran=true';
    document.head.append(script);
    await new Promise((resolve) => setTimeout(resolve, 500));
    return { violations: [...new Set(violations)].sort(), ran: window.ran ?? false };
  });
  assert.deepEqual(refused, { violations: ['connect-src', 'img-src', 'script-src-elem'], ran: false });
});

// The pickers of the File System Access API answering with stand-ins of the handles, over a
// folder in memory that starts with `files` ({name: base64}): window.standIn.folder, and
// window.standIn.contents() ({name: base64}).
function installStandIns(files) {
  const toBytes = (base64) => Uint8Array.from(atob(base64), (char) => char.charCodeAt(0));
  const toBase64 = (bytes) => {
    let text = '';
    for (let at = 0; at < bytes.length; at += 0x8000) {
      text += String.fromCharCode(...bytes.subarray(at, at + 0x8000));
    }
    return btoa(text);
  };
  const held = new Map(Object.entries(files).map(([name, base64]) => [name, toBytes(base64)]));
  const notFound = (name) => new DOMException(`"${name}" is not in the folder.`, 'NotFoundError');
  const granted = async () => 'granted';
  const fileHandle = (name) => ({
    kind: 'file',
    name,
    queryPermission: granted,
    requestPermission: granted,
    async isSameEntry(other) {
      return other?.kind === 'file' && other.name === name && other.standIn === true;
    },
    standIn: true,
    async getFile() {
      if (!held.has(name)) throw notFound(name);
      return new File([held.get(name)], name);
    },
    async createWritable() {
      if (!held.has(name)) throw notFound(name);
      const parts = [];
      return {
        async write(data) {
          parts.push(new Uint8Array(data.buffer ?? data, data.byteOffset ?? 0, data.byteLength));
        },
        async abort() {},
        async close() {
          held.set(name, new Uint8Array(await new Blob(parts).arrayBuffer()));
        },
      };
    },
  });
  const folder = {
    kind: 'directory',
    name: 'Scenarios',
    queryPermission: granted,
    requestPermission: granted,
    async isSameEntry(other) {
      return other === folder;
    },
    async *keys() {
      yield* [...held.keys()];
    },
    async *values() {
      for (const name of [...held.keys()]) yield fileHandle(name);
    },
    async *entries() {
      for (const name of [...held.keys()]) yield [name, fileHandle(name)];
    },
    async getFileHandle(name, { create = false } = {}) {
      if (!held.has(name)) {
        if (!create) throw notFound(name);
        held.set(name, new Uint8Array(0));
      }
      return fileHandle(name);
    },
    async getDirectoryHandle(name) {
      throw notFound(name);
    },
    async removeEntry(name) {
      if (!held.delete(name)) throw notFound(name);
    },
  };
  window.showOpenFilePicker = async () => [...held.keys()].map(fileHandle);
  window.showDirectoryPicker = async () => folder;
  window.standIn = {
    folder,
    contents: () => Object.fromEntries([...held].map(([name, bytes]) => [name, toBase64(bytes)])),
  };
}

test('"Write into folder…": the campaign set written is the native program\'s, and a file in ' +
     'use is refused with nothing written', {
  skip: skip || (BROWSER !== 'chromium' && 'only Chromium has "Write into folder…"'),
}, async () => {
  const { page, problems } = await newPage(site);
  const given = ['kardel.scn', 'equipment.eqp', 'equipment.txt'];
  const files = {};
  for (const name of given) {
    files[name] = (await readFile(path.join(EXAMPLES, name))).toString('base64');
  }
  await page.goto(site.address);
  await page.evaluate(installStandIns, files);
  await page.waitForSelector('#open-file:not([disabled])');
  await page.click('label[for="pick-files"]');
  await page.waitForFunction(() => document.getElementById('file-name').value === 'kardel.scn');
  await page.click('input[name="layout"][value="homemade"]');
  await page.click('#open-file');
  await waitForText(page, '#scenario', '63 units');
  await transferFirst(page, 0, 2);

  await showPage(page, 'axis');
  await page.click('#page-axis input[value="cchina"]');
  await page.click('#page-axis .write-folder');
  await waitForText(page, '#status', 'Wrote');
  const contents = await page.evaluate(() => window.standIn.contents());
  const native = await nativeWrites(
    'campaign', [...OPEN, '--side', 'axis', '--to-aux', '0,1', '--slot', 'Central China'], EXAMPLES);
  const fromBase64 = (text) => new Uint8Array(Buffer.from(text, 'base64'));
  assert.deepEqual(Object.keys(contents).sort(), [...given, ...Object.keys(native)].sort());
  for (const [name, bytes] of Object.entries(native)) assert.deepEqual(fromBase64(contents[name]), bytes, name);

  // A Home Made copy named as the scenario open would replace it.
  await showPage(page, 'homemade');
  await page.$eval('#homemade-name', (field) => {
    field.value = 'kardel';
    field.dispatchEvent(new Event('change', { bubbles: true }));
  });
  await page.click('#page-homemade .write-folder');
  const refusal =
    'Cannot write "kardel.scn": it is the opened scenario. Choose another name or folder.';
  assert.deepEqual((await openDialog(page)).text, refusal);
  await answerDialog(page, 'OK');
  assert.equal(await page.$eval('#status', (line) => line.textContent), refusal);
  assert.deepEqual(await page.evaluate(() => window.standIn.contents()), contents);
  assert.deepEqual(problems, []);
});

test('without "Write into folder…" (Firefox) the writing pages offer downloads alone', {
  skip: skip || (BROWSER === 'chromium' && 'Chromium has "Write into folder…"'),
}, async () => {
  const { page, problems } = await newPage(site);
  await page.goto(site.address);
  await page.waitForSelector('#try-demo:not([disabled])');
  assert.deepEqual(await page.$$eval('.write-folder', (buttons) => buttons.map((b) => b.hidden)),
                   [true, true, true, true]);
  assert.deepEqual(problems, []);
});
