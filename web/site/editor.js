// The editor's module: the core compiled to WebAssembly, loaded once, and the in-memory file
// system the page puts the user's files into.
import createZarkel from './zarkel.js';

let loading = null;

// The module, made at the first call.
export function loadModule() {
  loading ??= createZarkel();
  return loading;
}

// Puts files ({name, bytes}) into a fresh folder of the module's file system, replacing what it
// held, and answers the folder's path.
export function putFiles(module, folder, files) {
  const { FS } = module;
  if (FS.analyzePath(folder).exists) {
    for (const name of FS.readdir(folder)) {
      if (name !== '.' && name !== '..') FS.unlink(`${folder}/${name}`);
    }
  } else {
    FS.mkdirTree(folder);
  }
  for (const { name, bytes } of files) FS.writeFile(`${folder}/${name}`, bytes);
  return folder;
}
