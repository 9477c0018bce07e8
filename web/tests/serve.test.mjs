// The static server of the site: what it serves with which type, and that no request reaches a
// file outside the site's folder.
import assert from 'node:assert/strict';
import { mkdir, mkdtemp, rm, symlink, writeFile } from 'node:fs/promises';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';

import { serveSite } from '../serve.mjs';

let scratch;
let server;

// A request sent as written: the path is not normalised on the way, as fetch would.
function request(rawPath, method = 'GET', headers = {}) {
  return new Promise((resolve, reject) => {
    const sent = http.request(
      { host: '127.0.0.1', port: server.address().port, path: rawPath, method, headers },
      (response) => {
        const chunks = [];
        response.on('data', (chunk) => chunks.push(chunk));
        response.on('end', () =>
          resolve({
            status: response.statusCode,
            type: response.headers['content-type'],
            etag: response.headers.etag,
            body: Buffer.concat(chunks).toString(),
          }),
        );
      },
    );
    sent.on('error', reject);
    sent.end();
  });
}

before(async () => {
  scratch = await mkdtemp(path.join(os.tmpdir(), 'zarkel-serve-'));
  const site = path.join(scratch, 'site');
  await mkdir(path.join(site, 'demo'), { recursive: true });
  await writeFile(path.join(site, 'index.html'), '<!doctype html>');
  await writeFile(path.join(site, 'zarkel.wasm'), Buffer.from([0, 0x61, 0x73, 0x6d]));
  await writeFile(path.join(site, 'main.js'), 'export {};');
  await writeFile(path.join(site, 'demo', 'kardel.scn'), 'scenario');
  // Beside the site and linked from inside it: neither may be served.
  await writeFile(path.join(scratch, 'secret.txt'), 'secret');
  await mkdir(path.join(scratch, 'site-private'));
  await writeFile(path.join(scratch, 'site-private', 'key.txt'), 'secret');
  await symlink(path.join(scratch, 'secret.txt'), path.join(site, 'leak.txt'));
  server = await serveSite(site, 0);
});

after(async () => {
  await new Promise((resolve) => server?.close(resolve));
  await rm(scratch, { recursive: true, force: true });
});

test('serves the site with the types a browser needs, a folder by its index.html', async () => {
  const expected = {
    '/': 'text/html; charset=utf-8',
    '/demo/../index.html': 'text/html; charset=utf-8',
    '/zarkel.wasm': 'application/wasm',
    '/main.js': 'text/javascript; charset=utf-8',
    '/demo/kardel.scn': 'application/octet-stream',
  };
  for (const [url, type] of Object.entries(expected)) {
    const answer = await request(url);
    assert.equal(answer.status, 200, url);
    assert.equal(answer.type, type, url);
  }
  const head = await request('/main.js', 'HEAD');
  assert.deepEqual([head.status, head.body], [200, '']);
  assert.equal((await request('/', 'POST')).status, 405);
  assert.equal((await request('/absent.js')).status, 404);
});

test('a file the request already holds is not sent again, a changed one is', async () => {
  const { etag } = await request('/main.js');
  assert.deepEqual(await request('/main.js', 'GET', { 'If-None-Match': etag }),
                   { status: 304, type: undefined, etag, body: '' });
  await writeFile(path.join(scratch, 'site', 'main.js'), 'export const changed = 1;');
  const changed = await request('/main.js', 'GET', { 'If-None-Match': etag });
  assert.equal(changed.status, 200);
  assert.equal(changed.body, 'export const changed = 1;');
  assert.notEqual(changed.etag, etag);
});

test('no path leads outside the site folder', async () => {
  for (const url of [
    '/../secret.txt',
    '/demo/../../secret.txt',
    '/%2e%2e/secret.txt',
    '/..%2fsecret.txt',
    '/..%5csecret.txt',
    '/../site-private/key.txt',
    '/leak.txt',
    '/index.html%00.js',
    '/%E0%A4%A',
  ]) {
    const answer = await request(url);
    assert.equal(answer.status, 404, url);
    assert.doesNotMatch(answer.body, /secret/, url);
  }
});
