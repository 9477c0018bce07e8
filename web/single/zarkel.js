// The editor's module in the single-file edition: the site's own zarkel.js, handed the wasm that
// the file carries instead of fetching zarkel.wasm beside it.
import createSiteModule from 'zarkel-site:zarkel.js';
import { wasm } from 'zarkel:packed';

import { unpack } from './unpack.js';

export default async function createZarkel(options = {}) {
  return createSiteModule({ ...options, wasmBinary: await unpack(wasm) });
}
