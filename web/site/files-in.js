// The files the user gives the page, picked in a file input or dropped, several at once or as
// whole folders. Each becomes
//   { name, path, bytes: Uint8Array, handle? }
// `name` is the file's own name, without its folders; `path` adds the folders below what was
// dropped or picked ("scenarios/KESSEL.SCN"), for messages that must tell two files of one name
// apart; `handle` is the file's FileSystemFileHandle where the browser gives one for a drop, so
// that a later write into a folder can tell whether it would replace this very file.

// More than this is read only by mistake (a whole disk dropped): refused before anything is
// read, rather than holding the tab until it runs out of memory.
export const MOST_BYTES_READ = 512 * 1024 * 1024;
const DEEPEST_FOLDER = 32;

// The files of an <input type="file" multiple> (or one with `webkitdirectory`).
export async function filesFromInput(fileList) {
  return readAll(Array.from(fileList ?? [], (file) => ({
    name: file.name,
    path: file.webkitRelativePath || file.name,
    file,
  })));
}

// True where the browser's own pickers give files with their handles (File System Access API):
// files opened through them are then known to a later write into a folder, which a file input's
// are not.
export function canPickWithHandles() {
  return typeof globalThis.showOpenFilePicker === 'function' &&
         typeof globalThis.showDirectoryPicker === 'function';
}

// Asks the user for files (or, with `folder`, one folder, read with everything below it) through
// the browser's picker: their entries, each with its handle, or null when the user cancelled.
// Call it straight from a click or a key press: the browser shows its picker only then.
export async function filesFromPicker({ folder = false } = {}) {
  let picked;
  try {
    picked = folder
      ? [await globalThis.showDirectoryPicker({ id: 'zarkel-open' })]
      : await globalThis.showOpenFilePicker({ id: 'zarkel-open', multiple: true });
  } catch (error) {
    if (error?.name === 'AbortError') return null;
    throw error;
  }
  const found = [];
  for (const handle of picked) await collectHandle(handle, '', 0, found);
  return readAll(found);
}

// The files of a drop, dropped folders read with everything below them. Call it from the drop
// event's handler itself: the items of a drop can be read only until the handler returns, so
// everything is taken from them before the first wait.
export async function filesFromDrop(dataTransfer) {
  const items = Array.from(dataTransfer.items ?? []).filter((item) => item.kind === 'file');
  if (items.length === 0) return filesFromInput(dataTransfer.files);
  const dropped = items.map((item) => ({
    handle:
      typeof item.getAsFileSystemHandle === 'function'
        ? item.getAsFileSystemHandle().catch(() => null)
        : null,
    entry: item.webkitGetAsEntry?.() ?? null,
    file: item.getAsFile(),
  }));
  const found = [];
  for (const { handle, entry, file } of dropped) {
    const fileHandle = await handle;
    if (fileHandle) await collectHandle(fileHandle, '', 0, found);
    else if (entry) await collectEntry(entry, '', 0, found);
    else if (file) found.push({ name: file.name, path: file.name, file });
  }
  return readAll(found);
}

// The file of that name among `files`, else the one whose name differs from it only in the case
// of the letters A to Z (KESSEL.SCN for kessel.scn), else null, by the core's rule (`module` is
// the editor's module). Throws an Error naming them when two files have that very name (from
// two dropped folders), or when none has it and two or more differ from it only in case: which
// one was meant cannot be told.
export function findFile(module, files, name) {
  const { index, error } = module.pickFile(files, name);
  if (error !== undefined) throw new Error(error);
  return index < 0 ? null : files[index];
}

async function collectHandle(handle, folder, depth, found) {
  if (handle.kind === 'file') {
    found.push({
      name: handle.name,
      path: folder + handle.name,
      handle,
      file: () => handle.getFile(),
    });
    return;
  }
  const path = enterFolder(folder, handle.name, depth);
  const children = [];
  try {
    for await (const child of handle.values()) children.push(child);
  } catch (error) {
    throw cannotRead(path, error);
  }
  children.sort(byName);
  for (const child of children) await collectHandle(child, path, depth + 1, found);
}

async function collectEntry(entry, folder, depth, found) {
  if (entry.isFile) {
    found.push({
      name: entry.name,
      path: folder + entry.name,
      file: () => new Promise((resolve, reject) => entry.file(resolve, reject)),
    });
    return;
  }
  if (!entry.isDirectory) return;
  const path = enterFolder(folder, entry.name, depth);
  // A folder's reader answers in batches (a hundred at a time in Chromium) until an empty one.
  const reader = entry.createReader();
  const children = [];
  try {
    for (;;) {
      const batch = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
      if (batch.length === 0) break;
      children.push(...batch);
    }
  } catch (error) {
    throw cannotRead(path, error);
  }
  children.sort(byName);
  for (const child of children) await collectEntry(child, path, depth + 1, found);
}

function enterFolder(folder, name, depth) {
  const path = `${folder}${name}/`;
  if (depth >= DEEPEST_FOLDER) {
    throw new Error(`The folder "${path}" lies more than ${DEEPEST_FOLDER} folders deep. ` +
                    'Give the folder that holds the scenario instead.');
  }
  return path;
}

function byName(a, b) {
  return a.name < b.name ? -1 : a.name > b.name ? 1 : 0;
}

// Turns what was found ({name, path, handle?, file: File or a function answering one}) into
// the page's entries, sizes checked first so that nothing is read of a drop too large.
async function readAll(found) {
  const files = [];
  for (const { name, path, handle, file } of found) {
    try {
      files.push({ name, path, handle, file: typeof file === 'function' ? await file() : file });
    } catch (error) {
      throw cannotRead(path, error);
    }
  }
  const total = files.reduce((sum, { file }) => sum + file.size, 0);
  if (total > MOST_BYTES_READ) {
    throw new Error(
      `${files.length === 1 ? 'The 1 file given holds' : `The ${files.length} files given hold`} ` +
        `${megabytes(total)} MB, more than the page reads at ` +
        `once (${megabytes(MOST_BYTES_READ)} MB). Give the scenario's files, or the folder that ` +
        'holds them, rather than a larger one.',
    );
  }
  return Promise.all(
    files.map(async ({ name, path, handle, file }) => {
      let bytes;
      try {
        bytes = new Uint8Array(await file.arrayBuffer());
      } catch (error) {
        throw cannotRead(path, error);
      }
      return handle ? { name, path, bytes, handle } : { name, path, bytes };
    }),
  );
}

function megabytes(bytes) {
  return Math.ceil(bytes / (1024 * 1024));
}

function cannotRead(path, error) {
  return new Error(`Cannot read "${path}": ${error?.message || error?.name || error}`);
}
