// The page's files: which given file a name finds, what a drop reads, downloads and zips, and
// writes into a folder, all or nothing. The folder writes run on real directory handles of the
// origin-private file system (the picker of a user's folder cannot be driven headless).
import assert from 'node:assert/strict';
import { readFile, readdir, rm } from 'node:fs/promises';
import path from 'node:path';
import { after, before, test } from 'node:test';

import {
  WAIT_MS,
  importSiteModule,
  newPage,
  newPageWithDownloads,
  startSite,
} from './harness.mjs';

const { filesFromInput, MOST_BYTES_READ } = await importSiteModule('files-in.js');
const { zipFiles } = await importSiteModule('files-out.js');

let site;
before(async () => {
  site = await startSite();
});
after(async () => {
  await site?.close();
});

const bytes = (text) => new TextEncoder().encode(text);

test('findFile: the exact name, else its one twin in other letter case, else a refusal', async () => {
  const { page, problems } = await newPage(site);
  await page.goto(site.address);
  await page.waitForSelector('#try-demo:not([disabled])');
  const found = await page.evaluate(async () => {
    const { findFile } = await import('./files-in.js');
    const { module } = window.zarkel.app;
    const files = [
      { name: 'KESSEL.SCN', path: 'CD/KESSEL.SCN' },
      { name: 'SKESSEL.TST', path: 'CD/SKESSEL.TST' },
      { name: 'equipment.eqp', path: 'equipment.eqp' },
      { name: 'EQUIPMENT.EQP', path: 'CD/EQUIPMENT.EQP' },
      { name: 'Names.txt', path: 'a/Names.txt' },
      { name: 'names.TXT', path: 'b/names.TXT' },
      { name: 'orders.txt', path: 'a/orders.txt' },
      { name: 'orders.txt', path: 'b/orders.txt' },
      { name: 'MAP[1].TXT' },
    ];
    const find = (name) => {
      try {
        const file = findFile(module, files, name);
        return file === null ? null : files.indexOf(file);
      } catch (error) {
        return error.message;
      }
    };
    return ['kessel.scn', 'skessel.tst', 'equipment.eqp', 'EQUIPMENT.EQP', 'kessel.tit',
            'map[1].txt', 'map{1}.txt', 'Equipment.eqp', 'names.txt', 'orders.txt'].map(find);
  });
  assert.deepEqual(found, [
    0, 1, 2, 3, null,
    // A to Z only: "[" is not an upper-case "{".
    8, null,
    '"Equipment.eqp" is not among the files given, and 2 of them have that name in other ' +
      'letter case: "CD/EQUIPMENT.EQP", "equipment.eqp". Choose one of them yourself.',
    '"names.txt" is not among the files given, and 2 of them have that name in other ' +
      'letter case: "a/Names.txt", "b/names.TXT". Choose one of them yourself.',
    '2 of the files given are named "orders.txt": "a/orders.txt", "b/orders.txt". ' +
      'Give only one of them.',
  ]);
  assert.deepEqual(problems, []);
});

// CRC-32 of the zip format (the polynomial 0xEDB88320, reflected).
function crc32(data) {
  let crc = 0xffffffff;
  for (const byte of data) {
    crc ^= byte;
    for (let bit = 0; bit < 8; bit += 1) crc = (crc >>> 1) ^ (0xedb88320 & -(crc & 1));
  }
  return (crc ^ 0xffffffff) >>> 0;
}

// The entries of a zip as its central directory lists them, each with what its local header
// and the bytes after it say.
function readZip(zip) {
  const view = new DataView(zip.buffer, zip.byteOffset, zip.byteLength);
  const end = zip.byteLength - 22;
  assert.equal(view.getUint32(end, true), 0x06054b50, 'end of the central directory');
  const entries = [];
  let at = view.getUint32(end + 16, true);
  for (let index = view.getUint16(end + 10, true); index > 0; index -= 1) {
    assert.equal(view.getUint32(at, true), 0x02014b50, 'a central directory record');
    const nameLength = view.getUint16(at + 28, true);
    const stored = view.getUint32(at + 20, true);
    const local = view.getUint32(at + 42, true);
    assert.equal(view.getUint32(local, true), 0x04034b50, 'a local header');
    const data = local + 30 + view.getUint16(local + 26, true) + view.getUint16(local + 28, true);
    entries.push({
      name: new TextDecoder().decode(zip.subarray(at + 46, at + 46 + nameLength)),
      utf8: (view.getUint16(at + 8, true) & 0x800) !== 0,
      method: view.getUint16(at + 10, true),
      dosTime: view.getUint16(at + 12, true),
      dosDate: view.getUint16(at + 14, true),
      crc: view.getUint32(at + 16, true),
      stored,
      size: view.getUint32(at + 24, true),
      bytes: zip.subarray(data, data + stored),
    });
    at += 46 + nameLength + view.getUint16(at + 30, true) + view.getUint16(at + 32, true);
  }
  return entries;
}

// A campaign set as the page writes it: a scenario of every byte value, its companions, one
// of them empty, one with a name that is not ASCII.
const campaignSet = [
  { name: 'trip.scn', bytes: Uint8Array.from({ length: 70_000 }, (_, i) => (i * 7) % 256) },
  { name: 'strip.tst', bytes: bytes('Vessin\r\nKardel Ford\r\n') },
  { name: 'trip.tit', bytes: new Uint8Array(0) },
  { name: 'Übersicht.des', bytes: bytes('Two fronts, one bridge.\r\n') },
];

test('files given that are too large to read: refused before a byte is read, the count said ' +
     'in the singular for one file', async () => {
  const unread = (name, size) => ({
    name,
    size,
    arrayBuffer: () => assert.fail(`${name} was read`),
  });
  const megabytes = Math.round((MOST_BYTES_READ + 88 * 1024 * 1024) / (1024 * 1024));
  await assert.rejects(filesFromInput([unread('huge.scn', MOST_BYTES_READ + 88 * 1024 * 1024)]), {
    message: new RegExp(`^The 1 file given holds ${megabytes} MB, more than the page reads at once`),
  });
  await assert.rejects(
    filesFromInput([unread('a.scn', MOST_BYTES_READ), unread('b.scn', 88 * 1024 * 1024)]),
    { message: new RegExp(`^The 2 files given hold ${megabytes} MB, more than the page reads`) },
  );
});

test('zipFiles: every file stored as it is, in order, under 1 January 1980', async () => {
  const entries = readZip(await zipFiles(campaignSet));
  assert.deepEqual(
    entries.map(({ name, method, dosTime, dosDate, size, stored }) =>
      ({ name, method, dosTime, dosDate, size, stored })),
    campaignSet.map(({ name, bytes: data }) => ({
      name,
      method: 0,
      dosTime: 0,
      dosDate: (0 << 9) | (1 << 5) | 1,
      size: data.length,
      stored: data.length,
    })),
  );
  for (const [index, entry] of entries.entries()) {
    assert.deepEqual(entry.bytes, campaignSet[index].bytes, entry.name);
    assert.equal(entry.crc, crc32(campaignSet[index].bytes), entry.name);
  }
  assert.deepEqual(entries.map((entry) => entry.utf8), [false, false, false, true]);
  await assert.rejects(zipFiles([...campaignSet, campaignSet[1]]), {
    message: 'Two of the files to write are named "strip.tst".',
  });
});

test('downloads: one file, and a set as one zip, arrive under their names', async (t) => {
  const { page, downloads: folder } = await newPageWithDownloads(site);
  t.after(() => rm(folder, { recursive: true, force: true }));
  t.after(() => page.browserContext().close());
  await page.goto(site.address);
  await page.evaluate(async (set) => {
    const { downloadFile, downloadZip } = await import('./files-out.js');
    const files = set.map(({ name, bytes: data }) => ({ name, bytes: Uint8Array.from(data) }));
    downloadFile(files[0].name, files[0].bytes);
    await downloadZip('trip.zip', files);
  }, campaignSet.map(({ name, bytes: data }) => ({ name, bytes: Array.from(data) })));
  const wanted = ['trip.scn', 'trip.zip'];
  const deadline = Date.now() + WAIT_MS;
  while (String(await readdir(folder)) !== String(wanted) && Date.now() < deadline) {
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  assert.deepEqual(await readdir(folder), wanted);
  assert.deepEqual(new Uint8Array(await readFile(path.join(folder, 'trip.scn'))),
                   campaignSet[0].bytes);
  assert.deepEqual(new Uint8Array(await readFile(path.join(folder, 'trip.zip'))),
                   await zipFiles(campaignSet));
});

// Helpers of the page side, on window.testing: the page's files-in.js and files-out.js, folders
// of the origin-private file system filled with text files, what they hold, and a folder whose
// disk fails or ignores letter case.
async function installTesting() {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  window.testing = {
    ...(await import('./files-in.js')),
    ...(await import('./files-out.js')),
    async folder(name, files = {}) {
      const root = await navigator.storage.getDirectory();
      await root.removeEntry(name, { recursive: true }).catch(() => {});
      const folder = await root.getDirectoryHandle(name, { create: true });
      for (const [filePath, text] of Object.entries(files)) {
        const parts = filePath.split('/');
        let dir = folder;
        for (const part of parts.slice(0, -1)) {
          dir = await dir.getDirectoryHandle(part, { create: true });
        }
        const file = await dir.getFileHandle(parts[parts.length - 1], { create: true });
        const writable = await file.createWritable();
        await writable.write(encoder.encode(text));
        await writable.close();
      }
      return folder;
    },
    // { name: text } of the files in a folder, and its folders as '(folder)'.
    async contents(folder) {
      const found = {};
      for await (const [name, handle] of folder.entries()) {
        found[name] = handle.kind === 'file'
          ? decoder.decode(await (await handle.getFile()).arrayBuffer())
          : '(folder)';
      }
      return found;
    },
    files: (texts) => Object.entries(texts).map(([name, text]) => ({
      name,
      bytes: encoder.encode(text),
    })),
    async failure(promise) {
      try {
        await promise;
        return null;
      } catch (error) {
        return error.message;
      }
    },
    // The folder as a disk would show it that ignores letter case (a name finds its twin, but
    // the handle it gives is not the twin's own), or where writing `writeFails` or closing
    // `closeFails` fails.
    disk(folder, { ignoreCase = false, writeFails = null, closeFails = null } = {}) {
      const listedName = async (name) => {
        if (ignoreCase) {
          for await (const key of folder.keys()) {
            if (key.toLowerCase() === name.toLowerCase()) return key;
          }
        }
        return name;
      };
      const file = (handle, asked) => ({
        kind: 'file',
        name: asked,
        real: handle,
        getFile: () => handle.getFile(),
        isSameEntry: async (other) =>
          asked === handle.name && handle.isSameEntry(other.real ?? other),
        async createWritable() {
          const writable = await handle.createWritable();
          return {
            async write(data) {
              if (handle.name === writeFails) {
                throw new DOMException('A read error.', 'NotReadableError');
              }
              return writable.write(data);
            },
            abort: () => writable.abort(),
            async close() {
              if (handle.name !== closeFails) return writable.close();
              await writable.abort();
              throw new DOMException('The disk is full.', 'QuotaExceededError');
            },
          };
        },
      });
      return {
        kind: 'directory',
        name: folder.name,
        keys: () => folder.keys(),
        getFileHandle: async (name, options) =>
          file(await folder.getFileHandle(await listedName(name), options), name),
        removeEntry: async (name) => folder.removeEntry(await listedName(name)),
      };
    },
  };
}

// Runs `body` in a new page that has window.testing; answers what it answered, and the page's
// problems.
async function inTestingPage(body) {
  const { page, problems } = await newPage(site);
  await page.goto(site.address);
  await page.evaluate(installTesting);
  return { result: await page.evaluate(body), problems };
}

test('filesFromDrop: files and whole folders, with their handles where the browser gives them',
  async () => {
    const { result: read, problems } = await inTestingPage(async () => {
      const { testing } = window;
      const dropped = await testing.folder('dropped', {
        'CD/KESSEL.SCN': 'scenario',
        'CD/SKESSEL.TST': 'places',
        'CD/MAPS/DEEP.TXT': 'deep',
        'equipment.eqp': 'equipment',
      });
      const cd = await dropped.getDirectoryHandle('CD');
      const equipment = await dropped.getFileHandle('equipment.eqp');
      // A folder that only the older entries API reads: its reader answers two at a time.
      const fileEntry = (name, text) => ({
        isFile: true,
        isDirectory: false,
        name,
        file: (done) => done(new File([text], name)),
      });
      const oldFolder = {
        isFile: false,
        isDirectory: true,
        name: 'old',
        createReader() {
          const batches = [
            [fileEntry('b.tit', 'B'), fileEntry('a.tit', 'A')],
            [fileEntry('c.tit', 'C')],
            [],
          ];
          return { readEntries: (done) => setTimeout(() => done(batches.shift()), 0) };
        },
      };
      // A drop's items answer only while the drop is being handled.
      let handling = true;
      Promise.resolve().then(() => {
        handling = false;
      });
      const item = (answers) => {
        const live = (answer) => () => {
          if (!handling) throw new Error('the drop is over');
          return answer;
        };
        return {
          kind: 'file',
          getAsFileSystemHandle: live(Promise.resolve(answers.handle ?? null)),
          webkitGetAsEntry: live(answers.entry ?? null),
          getAsFile: live(answers.file ?? null),
        };
      };
      const files = await testing.filesFromDrop({
        items: [
          item({ handle: cd }),
          item({ handle: equipment }),
          { kind: 'string' },
          item({ entry: oldFolder }),
          item({ file: new File(['loose'], 'loose.des') }),
        ],
      });
      const fileAt = async (filePath) => {
        const parts = filePath.split('/');
        let dir = dropped;
        for (const part of parts.slice(0, -1)) dir = await dir.getDirectoryHandle(part);
        return dir.getFileHandle(parts[parts.length - 1]);
      };
      return Promise.all(files.map(async ({ name, path, bytes, handle }) => ({
        name,
        path,
        text: new TextDecoder().decode(bytes),
        handle: handle ? await handle.isSameEntry(await fileAt(path)) : 'none',
      })));
    });
    assert.deepEqual(read, [
      { name: 'KESSEL.SCN', path: 'CD/KESSEL.SCN', text: 'scenario', handle: true },
      { name: 'DEEP.TXT', path: 'CD/MAPS/DEEP.TXT', text: 'deep', handle: true },
      { name: 'SKESSEL.TST', path: 'CD/SKESSEL.TST', text: 'places', handle: true },
      { name: 'equipment.eqp', path: 'equipment.eqp', text: 'equipment', handle: true },
      { name: 'a.tit', path: 'old/a.tit', text: 'A', handle: 'none' },
      { name: 'b.tit', path: 'old/b.tit', text: 'B', handle: 'none' },
      { name: 'c.tit', path: 'old/c.tit', text: 'C', handle: 'none' },
      { name: 'loose.des', path: 'loose.des', text: 'loose', handle: 'none' },
    ]);
    assert.deepEqual(problems, []);
  });

test('writeIntoFolder: the set replaces what was there; a failed write in the middle leaves ' +
     'every file as it was', async () => {
  const { result, problems } = await inTestingPage(async () => {
    const { testing } = window;
    const { writeIntoFolder } = testing;
    const written = await testing.folder('written', { 'a.scn': 'old a', 'keep.txt': 'kept' });
    const answer = await writeIntoFolder(
      written,
      testing.files({ 'a.scn': 'new a', 'sa.tst': 'new tst', 'a.tit': '' }),
    );

    const earlier = { 'one.scn': 'old one', 'two.tst': 'old two', 'three.tit': 'old three' };
    const failing = await testing.folder('failing', earlier);
    const files = testing.files({
      'one.scn': 'new one',
      'two.tst': 'new two',
      'three.tit': 'new three',
      'four.des': 'new four',
    });
    return {
      answer,
      written: await testing.contents(written),
      failure: await testing.failure(
        writeIntoFolder(testing.disk(failing, { writeFails: 'three.tit' }), files)),
      failing: await testing.contents(failing),
    };
  });
  assert.deepEqual(result.answer, { written: ['a.scn', 'sa.tst', 'a.tit'] });
  assert.deepEqual(result.written,
                   { 'a.scn': 'new a', 'sa.tst': 'new tst', 'a.tit': '', 'keep.txt': 'kept' });
  assert.equal(result.failure,
               'Cannot write "three.tit" into the folder "failing": A read error. ' +
               'Nothing was written.');
  assert.deepEqual(result.failing,
                   { 'one.scn': 'old one', 'two.tst': 'old two', 'three.tit': 'old three' });
  assert.deepEqual(problems, []);
});

test('writeIntoFolder: a file in use is never replaced, nor one of its name in other case on a ' +
     'disk that ignores case; nothing is written then', async () => {
  const { result, problems } = await inTestingPage(async () => {
    const { testing } = window;
    const { writeIntoFolder } = testing;
    const earlier = { 'KESSEL.SCN': 'the open scenario', 'equipment.txt': 'names' };
    const folder = await testing.folder('in-use', earlier);
    const scenario = {
      handle: await folder.getFileHandle('KESSEL.SCN'),
      what: 'the opened scenario',
    };
    const names = await folder.getFileHandle('equipment.txt');
    const set = (name) => testing.files({ 'new.scn': 'new', [name]: 'new', 'new.des': 'new' });
    const refusals = [
      await testing.failure(writeIntoFolder(folder, set('KESSEL.SCN'), [scenario, names])),
      await testing.failure(writeIntoFolder(folder, set('equipment.txt'), [null, scenario, names])),
      await testing.failure(writeIntoFolder(testing.disk(folder, { ignoreCase: true }),
                                            set('kessel.scn'), [scenario])),
    ];
    // Where the disk tells case apart, kessel.scn is a file of its own.
    const beside =
      await writeIntoFolder(folder, testing.files({ 'kessel.scn': 'new' }), [scenario]);
    return { refusals, beside, contents: await testing.contents(folder) };
  });
  assert.deepEqual(result.refusals, [
    'Cannot write "KESSEL.SCN": it is the opened scenario. Choose another name or folder.',
    'Cannot write "equipment.txt": it is a file in use. Choose another name or folder.',
    'Cannot write "kessel.scn": it is the opened scenario. Choose another name or folder.',
  ]);
  assert.deepEqual(result.beside, { written: ['kessel.scn'] });
  assert.deepEqual(result.contents, {
    'KESSEL.SCN': 'the open scenario',
    'equipment.txt': 'names',
    'kessel.scn': 'new',
  });
  assert.deepEqual(problems, []);
});

test('writeIntoFolder: the files that are there are replaced only on a Yes to the one question ' +
     'that names them, asked after the files in use are ruled out', async () => {
  const { result, problems } = await inTestingPage(async () => {
    const { testing } = window;
    const { writeIntoFolder } = testing;
    const earlier = { 'A.SCN': 'old a', 'a.tit': 'old tit', 'equipment.txt': 'names' };
    const folder = await testing.folder('asking', earlier);
    const names = await folder.getFileHandle('equipment.txt');
    const asked = [];
    const answering = (answer) => ({
      confirmReplace: async (existing) => {
        asked.push(existing);
        return answer;
      },
    });
    const set = testing.files({ 'a.scn': 'new a', 'sa.tst': 'new tst', 'a.tit': 'new tit' });
    const disk = testing.disk(folder, { ignoreCase: true });
    const answers = {
      inUse: await testing.failure(writeIntoFolder(
        disk, testing.files({ 'a.tit': 'new', 'equipment.txt': 'new' }), [names], answering(true))),
      declined: await writeIntoFolder(disk, set, [names], answering(false)),
    };
    const afterNo = await testing.contents(folder);
    answers.fresh = await writeIntoFolder(folder, testing.files({ 'new.des': 'd' }), [],
                                          answering(false));
    answers.replaced = await writeIntoFolder(disk, set, [names], answering(true));
    return { answers, asked, afterNo, contents: await testing.contents(folder) };
  });
  assert.equal(result.answers.inUse, 'Cannot write "equipment.txt": it is a file in use. ' +
                                     'Choose another name or folder.');
  assert.deepEqual(result.answers.declined, { declined: true });
  assert.deepEqual(result.afterNo, { 'A.SCN': 'old a', 'a.tit': 'old tit', 'equipment.txt': 'names' });
  assert.deepEqual(result.answers.fresh, { written: ['new.des'] }, 'nothing there: not asked');
  assert.deepEqual(result.answers.replaced, { written: ['a.scn', 'sa.tst', 'a.tit'] });
  // Once for the No, once for the Yes: A.SCN counts as a.scn on a disk that ignores case.
  assert.deepEqual(result.asked, [['a.scn', 'a.tit'], ['a.scn', 'a.tit']]);
  assert.deepEqual(result.contents, {
    'A.SCN': 'new a', 'a.tit': 'new tit', 'sa.tst': 'new tst', 'equipment.txt': 'names', 'new.des': 'd',
  });
  assert.deepEqual(problems, []);
});

test('writeIntoFolder: when a close fails after others succeeded, those are put back',
  async () => {
    const { result, problems } = await inTestingPage(async () => {
      const { testing } = window;
      const { writeIntoFolder } = testing;
      const earlier = { 'one.scn': 'old one', 'three.tit': 'old three' };
      const folder = await testing.folder('closing', earlier);
      const files = testing.files({
        'one.scn': 'new one',
        'two.tst': 'new two',
        'three.tit': 'new three',
        'four.des': 'new four',
      });
      return {
        failure: await testing.failure(
          writeIntoFolder(testing.disk(folder, { closeFails: 'three.tit' }), files)),
        contents: await testing.contents(folder),
      };
    });
    assert.equal(result.failure,
                 'Cannot write "three.tit" into the folder "closing": The disk is full. ' +
                 '"one.scn" and "two.tst", already written, were put back as before.');
    assert.deepEqual(result.contents, { 'one.scn': 'old one', 'three.tit': 'old three' });
    assert.deepEqual(problems, []);
  });
