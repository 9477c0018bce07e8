// The editor's module (the core and the session compiled to WebAssembly), loaded once, and the
// in-memory file system the page puts the user's files into and takes written files out of.
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
    removeFolder(module, folder);
  }
  FS.mkdirTree(folder);
  for (const { name, bytes } of files) FS.writeFile(`${folder}/${name}`, bytes);
  return folder;
}

function removeFolder(module, folder) {
  const { FS } = module;
  if (!FS.analyzePath(folder).exists) return;
  for (const name of FS.readdir(folder)) {
    if (name !== '.' && name !== '..') FS.unlink(`${folder}/${name}`);
  }
  FS.rmdir(folder);
}

// The page's files in the module: each set of files the user gives goes into a folder of its
// own (/in/1, /in/2, ...), which the session shows by the files' own names, so that a message
// reads `File not found: "absent.scn"`. A set stays as long as the scenario opened from it,
// since the writers read the scenario again. Each write goes into a fresh folder (/out/1, ...),
// emptied once the write has answered its files.
export class FileStore {
  constructor(module, session) {
    this.module = module;
    this.session = session;
    this.sets = new Map(); // folder -> [{name, bytes, handle?}]
    this.count = 0;
  }

  // A new folder with `files`; answers its path.
  put(files) {
    this.count += 1;
    const folder = `/in/${this.count}`;
    putFiles(this.module, folder, files);
    this.sets.set(folder, files);
    this.session.showFolderAs(folder, '');
    return folder;
  }

  // Adds `files` to the folder `folder` made by put, each under its name, replacing a file of
  // that name unless `keep(path)` says it must stay as it is (a file in use).
  add(folder, files, keep = () => false) {
    const { FS } = this.module;
    const added = files.filter((file) => !(FS.analyzePath(`${folder}/${file.name}`).exists &&
                                           keep(`${folder}/${file.name}`)));
    for (const { name, bytes } of added) FS.writeFile(`${folder}/${name}`, bytes);
    const names = new Set(added.map((file) => file.name));
    const earlier = (this.sets.get(folder) ?? []).filter((file) => !names.has(file.name));
    this.sets.set(folder, [...earlier, ...added]);
  }

  // The bytes of a folder are let go; what the page knows of its files stays, for the files in
  // use that were read from it (the equipment, whose tables stay in memory).
  release(folder) {
    removeFolder(this.module, folder);
  }

  // The file given at `path` (a path of a folder made by put); null for another.
  entryAt(path) {
    const slash = path.lastIndexOf('/');
    const files = this.sets.get(path.slice(0, slash));
    const name = path.slice(slash + 1);
    return files?.find((file) => file.name === name) ?? null;
  }

  // A fresh, empty folder for one write.
  outputFolder() {
    this.count += 1;
    const folder = `/out/${this.count}`;
    this.module.FS.mkdirTree(folder);
    return folder;
  }

  // The folder of a write, emptied.
  discard(folder) {
    removeFolder(this.module, folder);
  }
}
