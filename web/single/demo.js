// The demo set in the single-file edition: carried inside the file (one gzip stream of the
// files one after another, and their names and sizes), where the site fetches it from demo/.
import { demo } from 'zarkel:packed';

import { unpack } from './unpack.js';

export { DEMO_OPEN } from 'zarkel-site:demo.js';

// Every file of the demo set: [{name, bytes}], as the site's fetchDemoSet answers them.
export async function fetchDemoSet() {
  const bytes = await unpack(demo.packed);
  const files = [];
  let at = 0;
  for (const [name, size] of demo.files) {
    files.push({ name, bytes: bytes.slice(at, at + size) });
    at += size;
  }
  return files;
}
