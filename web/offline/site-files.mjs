// Writes the site's service worker: the worker's code (service-worker.js beside this file)
// behind the list of every file of the site with its SHA-256, and the version that list makes.
// The site's build runs it last, once every other file is in place.
//
//   node web/offline/site-files.mjs SITE_DIR
import { createHash } from 'node:crypto';
import { readFile, readdir, writeFile } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const WORKER = 'service-worker.js';
// Folders whose files the worker caches only once they were fetched: the demo set, which the
// page fetches only when asked for, and the icons of the app's manifest, which the browser
// fetches, and keeps, only when it installs the app.
export const KEPT_ON_FETCH = ['demo/', 'icons/'];

const workerCode = path.join(path.dirname(fileURLToPath(import.meta.url)), WORKER);

// { path below the site: hex SHA-256 } of every file of the site but the worker, sorted.
export async function siteFiles(siteDir) {
  const paths = (await filesBelow(siteDir, '')).filter((relative) => relative !== WORKER).sort();
  const files = {};
  for (const relative of paths) {
    const bytes = await readFile(path.join(siteDir, relative));
    files[relative] = createHash('sha256').update(bytes).digest('hex');
  }
  return files;
}

async function filesBelow(dir, prefix) {
  const found = [];
  for (const entry of await readdir(path.join(dir, prefix), { withFileTypes: true })) {
    const relative = prefix + entry.name;
    if (entry.isDirectory()) found.push(...(await filesBelow(dir, `${relative}/`)));
    else if (entry.isFile()) found.push(relative);
  }
  return found;
}

// The worker's text for a site of these files.
export async function workerText(files) {
  const version = createHash('sha256').update(JSON.stringify(files)).digest('hex').slice(0, 16);
  return [
    '// Made by the site\'s build: this version of the site and its files.',
    `const SITE_VERSION = ${JSON.stringify(version)};`,
    `const SITE_FILES = ${JSON.stringify(files, null, 2)};`,
    `const KEPT_ON_FETCH = ${JSON.stringify(KEPT_ON_FETCH)};`,
    '',
    await readFile(workerCode, 'utf8'),
  ].join('\n');
}

export async function writeWorker(siteDir) {
  await writeFile(path.join(siteDir, WORKER), await workerText(await siteFiles(siteDir)));
}

if (import.meta.url === pathToFileURL(process.argv[1] ?? '').href) {
  const [siteDir] = process.argv.slice(2);
  if (!siteDir) {
    console.error('usage: node site-files.mjs SITE_DIR');
    process.exit(2);
  }
  await writeWorker(siteDir);
}
