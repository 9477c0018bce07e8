// The editor's module: the core and the session compiled to WebAssembly, loaded once. The files
// the user gives go into it by their names (session.giveFiles), and a write hands its files back
// to the page, which delivers them.
import createZarkel from './zarkel.js';

let loading = null;

// The module, made at the first call.
export function loadModule() {
  loading ??= createZarkel();
  return loading;
}
