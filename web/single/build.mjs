// Puts the single-file edition together: one HTML file that holds the whole page, built from the
// site as the build made it (SITE), so that it is never a second copy of the page.
//
//   node single/build.mjs SITE OUTPUT
//
// - Each module script of SITE/index.html is bundled by esbuild, with everything it imports,
//   into one inline module script. Two of the site's modules are swapped for this file's own
//   (single/): zarkel.js, whose wasm comes from inside the file, and demo.js, whose demo set
//   does; the service worker is left out by the page itself on a file: address.
// - The wasm and the demo set are carried compressed (gzip, as base64) and unpacked by the
//   browser's DecompressionStream.
// - Each stylesheet becomes an inline style; each other file the page names (the icon) a data:
//   address; the app's manifest is dropped (a file on the disk is not installed).
// - The site's Content-Security-Policy gives way to one that allows no address at all: the
//   inline script and style by their SHA-256 alone, and wasm compiled from bytes.
// A file the page names that this does not take in stops the build, so that the page never
// reaches for a file beside it.
import { createHash } from 'node:crypto';
import { readFile, writeFile } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import * as esbuild from 'esbuild';

const here = path.dirname(fileURLToPath(import.meta.url));

// The site's modules that this edition replaces, by their names in the site.
const SWAPPED = new Map([
  ['zarkel.js', path.join(here, 'zarkel.js')],
  ['demo.js', path.join(here, 'demo.js')],
]);

const TYPES = new Map([
  ['.svg', 'image/svg+xml'],
  ['.png', 'image/png'],
  ['.ico', 'image/x-icon'],
]);

const sha256 = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const base64Gzip = (bytes) => gzipSync(bytes, { level: 9 }).toString('base64');

// The policy of the single file: no address of any kind, only what the file holds.
export function singleFilePolicy(scripts, styles) {
  return [
    "default-src 'none'",
    `script-src ${scripts.map(sha256).join(' ')} 'wasm-unsafe-eval'`,
    `style-src ${styles.map(sha256).join(' ')}`,
    'img-src data:',
    "base-uri 'none'",
    "form-action 'none'",
  ].join('; ');
}

// What the file carries packed: the wasm, and the demo set as the site lists it.
async function packed(site) {
  const wasm = await readFile(path.join(site, 'zarkel.wasm'));
  const names = JSON.parse(await readFile(path.join(site, 'demo/files.json'), 'utf8'));
  const demoFiles = await Promise.all(names.map((name) => readFile(path.join(site, 'demo', name))));
  return [
    `export const wasm = ${JSON.stringify(base64Gzip(wasm))};`,
    'export const demo = {',
    `  files: ${JSON.stringify(names.map((name, i) => [name, demoFiles[i].length]))},`,
    `  packed: ${JSON.stringify(base64Gzip(Buffer.concat(demoFiles)))},`,
    '};',
  ].join('\n');
}

// esbuild's view of the site: its modules, the swapped ones, and what the file packs.
function singleFilePlugin(site) {
  const siteDir = path.resolve(site);
  return {
    name: 'zarkel-single-file',
    setup(build) {
      build.onResolve({ filter: /^zarkel:packed$/ }, () => ({ path: 'packed', namespace: 'zarkel' }));
      build.onLoad({ filter: /.*/, namespace: 'zarkel' }, async () => ({
        contents: await packed(siteDir),
        loader: 'js',
      }));
      // The site's own module behind a swapped one.
      build.onResolve({ filter: /^zarkel-site:/ }, (args) => ({
        path: path.join(siteDir, args.path.slice('zarkel-site:'.length)),
      }));
      build.onResolve({ filter: /^\.\.?\// }, (args) => {
        const resolved = path.resolve(args.resolveDir, args.path);
        if (path.dirname(resolved) !== siteDir) return undefined;
        const swapped = SWAPPED.get(path.basename(resolved));
        return swapped ? { path: swapped } : undefined;
      });
    },
  };
}

async function bundle(site, entry) {
  const result = await esbuild.build({
    entryPoints: [path.join(site, entry)],
    bundle: true,
    format: 'esm',
    minify: true,
    charset: 'ascii',
    legalComments: 'eof',
    target: ['chrome105', 'firefox115'],
    write: false,
    logLevel: 'warning',
    plugins: [singleFilePlugin(site)],
  });
  return inlineSafe(result.outputFiles[0].text, entry);
}

// Text that the HTML parser ends no earlier than meant inside a script or style element.
function inlineSafe(text, name) {
  const safe = text.replace(/<\/(script|style)/gi, '<\\/$1');
  if (/<!--/.test(safe)) throw new Error(`${name} holds "<!--", which an inline script may not`);
  return safe;
}

function dataAddress(file, bytes) {
  const type = TYPES.get(path.extname(file).toLowerCase());
  if (!type) throw new Error(`no type known for ${file}: add it to TYPES`);
  return `data:${type};base64,${bytes.toString('base64')}`;
}

// Replaces each match of `pattern` in `text` by what `make(match, index)` answers (a promise).
async function replaceAll(text, pattern, make) {
  const found = [...text.matchAll(pattern)];
  const made = await Promise.all(found.map((match, index) => make(match, index)));
  let at = 0;
  let out = '';
  found.forEach((match, i) => {
    out += text.slice(at, match.index) + made[i];
    at = match.index + match[0].length;
  });
  return out + text.slice(at);
}

const MODULE_SCRIPT = /<script type="module" src="([^"]+)"><\/script>/g;
const STYLESHEET = /<link rel="stylesheet" href="([^"]+)">/g;

// The HTML of the single file from the site's index.html.
export async function singleFile(site) {
  let html = await readFile(path.join(site, 'index.html'), 'utf8');
  html = html.replace(/\n\s*<link rel="manifest" href="[^"]+">/g, '');

  // Every file a tag names, but the scripts and stylesheets inlined below, as a data: address.
  html = await replaceAll(html, /<[a-z]+\b[^>]*>/g, async ([tag]) => {
    if (/^<script type="module" src=|^<link rel="stylesheet" /.test(tag)) return tag;
    return replaceAll(tag, / (src|href)="(?!data:|#)([^"]+)"/g, async ([, attribute, name]) =>
      ` ${attribute}="${dataAddress(name, await readFile(path.join(site, name)))}"`);
  });

  // The inline texts in the order of the page, whatever order their work ends in, so that
  // every build writes the same policy.
  const scripts = [];
  const styles = [];
  html = await replaceAll(html, MODULE_SCRIPT, async ([, src], index) => {
    const code = await bundle(site, src);
    scripts[index] = code;
    return `<script type="module">${code}</script>`;
  });
  html = await replaceAll(html, STYLESHEET, async ([, href], index) => {
    const css = await readFile(path.join(site, href), 'utf8');
    if (/url\(/.test(css)) throw new Error(`${href} names a file (url(...)): inline it first`);
    const { code } = await esbuild.transform(css, { loader: 'css', minify: true, charset: 'ascii' });
    const style = inlineSafe(code.trim(), href);
    styles[index] = style;
    return `<style>${style}</style>`;
  });
  if (scripts.length === 0) throw new Error('index.html loads no module script');
  if (/<script\b[^>]* src=/.test(html)) throw new Error('index.html loads a script this does not take in');

  const policy = /<meta http-equiv="Content-Security-Policy" content="[^"]*">/;
  if (!policy.test(html)) throw new Error('index.html holds no Content-Security-Policy to replace');
  return html.replace(policy, () =>
    `<meta http-equiv="Content-Security-Policy" content="${singleFilePolicy(scripts, styles)}">`);
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [site, output] = process.argv.slice(2);
  if (!site || !output) {
    console.error('usage: node single/build.mjs SITE OUTPUT');
    process.exit(2);
  }
  await writeFile(output, await singleFile(site));
}
