// The single file's build (single/build.mjs) on a small site of its own, in node: what a page
// that gains a module, a stylesheet or an icon becomes, the policy's hashes, and the refusals.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { mkdir, mkdtemp, rm, writeFile } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { after, test } from 'node:test';

import { singleFile } from '../single/build.mjs';

const folders = [];
after(async () => {
  for (const folder of folders) await rm(folder, { recursive: true, force: true });
});

const POLICY = '<meta http-equiv="Content-Security-Policy" content="default-src \'self\'">';

// A site as the build makes it, with `files` ({name: text}) over the plain ones.
async function site(files = {}) {
  const folder = await mkdtemp(path.join(os.tmpdir(), 'zarkel-single-build-'));
  folders.push(folder);
  const plain = {
    'index.html': `<!doctype html><html><head>${POLICY}
  <link rel="icon" href="icon.svg" type="image/svg+xml">
  <link rel="manifest" href="manifest.webmanifest">
  <link rel="stylesheet" href="style.css">
  <script type="module" src="main.js"></script>
</head><body><img src="icon.svg" alt=""></body></html>
`,
    'main.js': "import { editor } from './editor.js';\nwindow.started = editor();\n",
    'editor.js': "import create from './zarkel.js';\nexport const editor = () => create();\n",
    'zarkel.js': 'export default function create(options) { return options; }\n',
    'zarkel.wasm': '\0asm',
    'demo/files.json': '["a.scn"]',
    'demo/a.scn': 'scenario',
    'style.css': 'body { color: red; }\n',
    'icon.svg': '<svg xmlns="http://www.w3.org/2000/svg"/>',
    'manifest.webmanifest': '{}',
    ...files,
  };
  for (const [name, text] of Object.entries(plain)) {
    await mkdir(path.dirname(path.join(folder, name)), { recursive: true });
    await writeFile(path.join(folder, name), text);
  }
  return folder;
}

const hashOf = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;
const between = (html, tag) =>
  [...html.matchAll(new RegExp(`<${tag}[^>]*>([\\s\\S]*?)</${tag}>`, 'g'))].map((m) => m[1]);

test('a module, a stylesheet and an icon the page gains come inside the file; the policy ' +
     'allows exactly its inline script and styles', async () => {
  const folder = await site({
    'index.html': `<!doctype html><html><head>${POLICY}
  <link rel="stylesheet" href="style.css">
  <link rel="stylesheet" href="more.css">
  <script type="module" src="main.js"></script>
</head><body><img src="icon.svg" alt=""><img src="badge.png" alt=""></body></html>
`,
    'main.js': "import { extra } from './extra.js';\nwindow.started = extra('MARK-OF-MAIN');\n",
    'extra.js': "export const extra = (text) => import('./late.js').then((m) => m.late + text);\n",
    'late.js': "export const late = 'MARK-OF-LATE';\n",
    'more.css': '.more { color: blue; }\n',
    'badge.png': 'png bytes',
  });
  const html = await singleFile(folder);
  const [script] = between(html, 'script');
  assert.match(script, /MARK-OF-MAIN/);
  assert.match(script, /MARK-OF-LATE/, 'a dynamic import is bundled too');
  assert.deepEqual(between(html, 'style').length, 2);
  assert.match(html, /<img src="data:image\/svg\+xml;base64,[^"]+" alt="">/);
  assert.match(html, /<img src="data:image\/png;base64,[^"]+" alt="">/);
  assert.deepEqual([...html.matchAll(/ (?:src|href)="(?!data:)([^"]*)"/g)].map((m) => m[1]), []);

  const policy = html.match(/http-equiv="Content-Security-Policy" content="([^"]+)"/)[1];
  const directives = Object.fromEntries(policy.split('; ').map((d) => [d.split(' ')[0], d]));
  assert.equal(directives['default-src'], "default-src 'none'");
  assert.equal(directives['script-src'], `script-src ${hashOf(script)} 'wasm-unsafe-eval'`);
  assert.equal(directives['style-src'],
               `style-src ${between(html, 'style').map(hashOf).join(' ')}`);
  assert.equal(directives['img-src'], 'img-src data:');
  assert.equal(html.match(/Content-Security-Policy/g).length, 1, 'the site\'s policy is gone');
});

test('the app\'s manifest is left out, and the site\'s zarkel.js gets the wasm the file carries',
  async () => {
    const html = await singleFile(await site());
    assert.doesNotMatch(html, /manifest/);
    const [script] = between(html, 'script');
    assert.match(script, /wasmBinary/);
    assert.match(script, /DecompressionStream/);
    assert.match(html, /<link rel="icon" href="data:image\/svg\+xml;base64,/);
  });

test('a script or style that holds "</script>" or "</style>" stays inside its element',
  async () => {
    const html = await singleFile(await site({
      'main.js': "window.text = '</script><p>out</p>';\n",
      'style.css': '.a::after { content: "</style>"; }\n',
    }));
    assert.equal(html.match(/<\/script>/g).length, 1);
    assert.match(between(html, 'script')[0], /<p>out<\/p>/, 'the text is the script\'s to its end');
    assert.equal(html.match(/<\/style>/g).length, 1);
  });

test('refused: a page without a policy to replace, a file of a type not known, a stylesheet ' +
     'that names a file', async () => {
  await assert.rejects(
    singleFile(await site({ 'index.html': '<script type="module" src="main.js"></script>' })),
    { message: 'index.html holds no Content-Security-Policy to replace' });
  await assert.rejects(
    singleFile(await site({
      'index.html': `${POLICY}<img src="picture.webp"><script type="module" src="main.js"></script>`,
      'picture.webp': 'webp',
    })),
    { message: /no type known for picture\.webp/ });
  await assert.rejects(
    singleFile(await site({ 'style.css': 'body { background: url(back.png); }' })),
    { message: /style\.css names a file/ });
});
