// The site's service worker: it keeps this version of the site in the browser's cache, so that
// the page opens and works without a network after its first visit.
//
// The build writes this file into the site behind the version's list of files (SITE_VERSION,
// SITE_FILES: each file's path below the site and the SHA-256 of its bytes, hex; KEPT_ON_FETCH:
// the folders whose files are cached only once fetched: the demo set, the app's icons). Any
// change to any file of the site changes that list and so this file, which is how the browser
// learns of a new version: at the next visit it installs the new version beside the old one,
// takes over the open pages, drops the old cache, and the page tells the user (offline.js).
/* global SITE_VERSION, SITE_FILES, KEPT_ON_FETCH */

const SCOPE = self.registration.scope;
// Caches are shared by the whole origin: each name says which site and which version it holds,
// so that another copy of the site on the same host keeps its own.
const CACHE_PREFIX = `zarkel ${SCOPE} `;
const CACHE = CACHE_PREFIX + SITE_VERSION;

function keptOnFetch(path) {
  return KEPT_ON_FETCH.some((folder) => path.startsWith(folder));
}

function addressOf(path) {
  return new URL(path, SCOPE).href;
}

async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return Array.from(digest, (byte) => byte.toString(16).padStart(2, '0')).join('');
}

// What the cache keeps of a response: its bytes, as the server sent them once decoded, and
// their type (the module's wasm is compiled as it streams in only when typed as wasm).
function kept(bytes, response) {
  const type = response.headers.get('Content-Type') ?? 'application/octet-stream';
  return new Response(bytes, { headers: { 'Content-Type': type } });
}

// A response with exactly the bytes of this version's `path`. The browser's own cache answers
// first, once the server has said that its copy is still the file it serves; a copy of another
// version (a cache on the way, a site halfway through its upload) is fetched once more past
// every cache, and refused if it is still not this version's.
async function fetchVerified(path) {
  for (const cache of ['no-cache', 'reload']) {
    const response = await fetch(new Request(addressOf(path), { cache }));
    if (!response.ok) throw new Error(`${path}: ${response.status} ${response.statusText}`);
    const bytes = await response.arrayBuffer();
    if ((await sha256(bytes)) === SITE_FILES[path]) return kept(bytes, response);
  }
  throw new Error(`${path} on the server is not the file of this version of the site`);
}

self.addEventListener('install', (event) => {
  event.waitUntil(
    (async () => {
      const cache = await caches.open(CACHE);
      try {
        const paths = Object.keys(SITE_FILES).filter((path) => !keptOnFetch(path));
        await Promise.all(
          paths.map(async (path) => cache.put(addressOf(path), await fetchVerified(path))),
        );
      } catch (error) {
        await caches.delete(CACHE);
        throw error;
      }
      await self.skipWaiting();
    })(),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    (async () => {
      for (const name of await caches.keys()) {
        if (name.startsWith(CACHE_PREFIX) && name !== CACHE) await caches.delete(name);
      }
      await self.clients.claim();
    })(),
  );
});

// The path below the site that a request asks for ('' and a folder's address stand for its
// index.html), or null for anything this version does not hold.
function sitePath(request) {
  if (request.method !== 'GET') return null;
  const url = new URL(request.url);
  if (url.origin !== self.location.origin || !url.href.startsWith(SCOPE)) return null;
  let path = decodeURIComponent(url.pathname.slice(new URL(SCOPE).pathname.length));
  if (path === '' || path.endsWith('/')) path += 'index.html';
  return Object.hasOwn(SITE_FILES, path) ? path : null;
}

async function answer(path) {
  const cache = await caches.open(CACHE);
  const cached = await cache.match(addressOf(path));
  if (cached) return cached;
  const response = await fetch(addressOf(path));
  if (response.ok && keptOnFetch(path)) {
    const bytes = await response.clone().arrayBuffer();
    if ((await sha256(bytes)) === SITE_FILES[path]) {
      await cache.put(addressOf(path), kept(bytes, response));
    }
  }
  return response;
}

self.addEventListener('fetch', (event) => {
  let path;
  try {
    path = sitePath(event.request);
  } catch {
    path = null;  // a malformed address: left to the network, which refuses it
  }
  if (path !== null) event.respondWith(answer(path));
});
