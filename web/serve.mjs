// A small static file server for the site, for trying the page and for its tests: it answers
// GET and HEAD with the files below one folder and nothing else, and a request that already
// holds the file (If-None-Match with its ETag) with 304, as static servers do, so that the
// service worker's copy of the site costs a visit little more than the page itself. Listens on
// 127.0.0.1 only.
//
//   node web/serve.mjs SITE_DIR [PORT]     (PORT 8765 by default; 0 takes a free one)
import { createReadStream } from 'node:fs';
import { realpath, stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

export const DEFAULT_PORT = 8765;

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json; charset=utf-8',
  '.webmanifest': 'application/manifest+json; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.ico': 'image/x-icon',
  '.txt': 'text/plain; charset=utf-8',
};

// The type a file is served with; anything unknown (the game's files among them) as bytes.
export function contentType(fileName) {
  return TYPES[path.extname(fileName).toLowerCase()] ?? 'application/octet-stream';
}

// The file below `root` (a real path) that `urlPath` names, or null when the path is malformed
// or leads outside the root, through ".." or through a link that points elsewhere. A folder
// stands for its index.html.
export async function resolveFile(root, urlPath) {
  let decoded;
  try {
    decoded = decodeURIComponent(urlPath);
  } catch {
    return null;
  }
  if (!decoded.startsWith('/') || decoded.includes('\0') || decoded.includes('\\')) return null;
  let file = path.join(root, path.normalize(decoded));
  try {
    if ((await stat(file)).isDirectory()) file = path.join(file, 'index.html');
    file = await realpath(file);
    if (!(await stat(file)).isFile()) return null;
  } catch {
    return null;
  }
  const relative = path.relative(root, file);
  if (relative.startsWith('..') || path.isAbsolute(relative)) return null;
  return file;
}

function refuse(response, status, text) {
  response.writeHead(status, { 'Content-Type': 'text/plain; charset=utf-8' });
  response.end(`${text}\n`);
}

// Serves `siteDir` on 127.0.0.1:`port`; resolves to the listening server once it listens.
export async function serveSite(siteDir, port = DEFAULT_PORT) {
  const root = await realpath(siteDir);
  const server = createServer(async (request, response) => {
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.setHeader('Allow', 'GET, HEAD');
      refuse(response, 405, 'Method not allowed');
      return;
    }
    let file = null;
    let size = 0;
    let etag = '';
    try {
      file = await resolveFile(root, new URL(request.url, 'http://localhost').pathname);
      if (file) {
        const status = await stat(file, { bigint: true });
        size = Number(status.size);
        etag = `"${status.size.toString(16)}-${status.mtimeNs.toString(16)}"`;
      }
    } catch {
      file = null;
    }
    if (!file) {
      refuse(response, 404, 'Not found');
      return;
    }
    const headers = {
      'Cache-Control': 'no-cache',
      ETag: etag,
      'X-Content-Type-Options': 'nosniff',
    };
    if (request.headers['if-none-match'] === etag) {
      response.writeHead(304, headers);
      response.end();
      return;
    }
    response.writeHead(200, {
      ...headers,
      'Content-Type': contentType(file),
      'Content-Length': size,
    });
    if (request.method === 'HEAD') {
      response.end();
      return;
    }
    createReadStream(file)
      .on('error', () => response.destroy())
      .pipe(response);
  });
  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', resolve);
  });
  return server;
}

// The address a listening server answers on, with a trailing slash.
export function siteAddress(server) {
  return `http://127.0.0.1:${server.address().port}/`;
}

if (import.meta.url === pathToFileURL(process.argv[1] ?? '').href) {
  const [siteDir, portText] = process.argv.slice(2);
  if (!siteDir) {
    console.error('usage: node serve.mjs SITE_DIR [PORT]');
    process.exit(2);
  }
  const server = await serveSite(siteDir, portText === undefined ? DEFAULT_PORT : Number(portText));
  console.log(`zarkel in the browser: ${siteAddress(server)}  (Ctrl+C stops it)`);
}
