// What the page writes leaves it in one of two ways: as downloads (one file, or a set of files
// as one zip), or, where the browser offers the File System Access API, straight into a folder
// the user picks, such as the game's scenario folder.
//
// Neither is a flushed-to-disk write: the browser saves a download or closes a written file
// when it sees fit, and tells the page nothing of the disk.
import { loadModule } from './editor.js';

// Every entry of a zip carries this date, so that the same files make the same zip.
const ZIP_DATE = new Date(1980, 0, 1);

// Offers `bytes` as a download named `name`.
export function downloadFile(name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  // The download starts after this returns; its address is needed until then.
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

// Offers the files ([{name, bytes}]) as one zip named `zipName`.
export async function downloadZip(zipName, files) {
  downloadFile(zipName, await zipFiles(files));
}

// The zip of the files: each stored as it is, in the order given (a name made of digits alone
// comes first, as fflate orders them), under the same date. fflate is loaded at the first zip,
// so that the page loads less before a file is opened.
export async function zipFiles(files) {
  const entries = {};
  for (const { name, bytes } of plainNames(files)) entries[name] = [bytes, { level: 0 }];
  const { zipSync } = await import('./vendor/fflate.js');
  return zipSync(entries, { level: 0, mtime: ZIP_DATE });
}

// True where the page can write into a folder of the user's.
export function canWriteIntoFolder() {
  return typeof globalThis.showDirectoryPicker === 'function';
}

// Asks the user for a folder to write into: its handle, or null when the user cancelled. Call
// it straight from a click or a key press: the browser shows its picker only then.
export async function chooseFolder() {
  try {
    return await globalThis.showDirectoryPicker({ id: 'zarkel-write', mode: 'readwrite' });
  } catch (error) {
    if (error?.name === 'AbortError') return null;
    throw error;
  }
}

// Writes the files ([{name, bytes}]) into the folder, all or nothing: answers
// { written: [names] }, { declined: true } when the replace question was answered No, or
// throws an Error whose message says what failed and what became of the folder.
//
// `confirmReplace(names)`, when given, is asked (once the files in use are ruled out) whether
// the files of those names that the folder holds already may be replaced, the names in the
// order of `files`; it answers a promise of true to go on. Without it they are replaced.
//
// `inUse` lists the files the page has open, which a write must never replace: each either a
// FileSystemFileHandle or { handle, what }, `what` saying what the file is for the message, in
// the words of the session's files in use, as
//   { handle, what: 'the equipment-name file in use' }
// gives: Cannot write "equipment.txt": it is the equipment-name file in use. Choose another name
// or folder. Without `what` the message says "a file in use". A file counts as in use also when
// the folder's disk ignores letter case and the name differs from it only in case.
//
// Steps: nothing is touched until every target is known not to be in use and the replace
// question, if any, is answered Yes; then a writable is opened for each file and all are
// written; only when every write succeeded are they closed, which is when the browser puts each
// file in place (one file at a time: its close is where the new content replaces the old as a
// whole). A failure before the closes aborts every writable and removes the files this write
// created, so that the folder is as it was. A close that fails after others succeeded cannot
// undo those by itself: their earlier content, read before writing, is written back, and the
// message names any file that could not be put back.
export async function writeIntoFolder(folder, files, inUse = [], { confirmReplace } = {}) {
  const targets = plainNames(files).map(({ name, bytes }) => ({ name, bytes }));
  await requireWritePermission(folder);
  const used = inUse.filter(Boolean).map((file) => ({
    handle: file.handle ?? file,
    what: file.what ?? 'a file in use',
  }));

  // What each name would replace, and whether that is in use.
  const listed = await namesIn(folder);
  for (const target of targets) {
    const replaced = await filesAnsweringTo(folder, target.name, listed);
    for (const { handle, what } of used) {
      for (const candidate of replaced) {
        if (await sameEntry(candidate, handle)) {
          throw new Error(`Cannot write "${target.name}": it is ${what}. ` +
                          'Choose another name or folder.');
        }
      }
    }
    target.existed = replaced.length > 0;
    if (target.existed) {
      target.earlier = await attempt(target.name, folder, async () =>
        new Uint8Array(await (await replaced[0].getFile()).arrayBuffer()));
    }
  }

  const existing = targets.filter((target) => target.existed).map((target) => target.name);
  if (existing.length > 0 && confirmReplace && !(await confirmReplace(existing))) {
    return { declined: true };
  }

  // Open and write everything; nothing is in place before the closes.
  try {
    for (const target of targets) {
      await attempt(target.name, folder, async () => {
        target.handle = await folder.getFileHandle(target.name, { create: true });
        target.writable = await target.handle.createWritable();
      });
    }
    for (const target of targets) {
      await attempt(target.name, folder, () => target.writable.write(target.bytes));
    }
  } catch (error) {
    await Promise.all(targets.map((target) => target.writable?.abort().catch(() => {})));
    const leftEmpty = await removeCreated(folder, targets);
    throw new Error(`${error.message} ${afterFailure([], [], leftEmpty)}`);
  }

  const closed = [];
  for (const [index, target] of targets.entries()) {
    try {
      await attempt(target.name, folder, () => target.writable.close());
      closed.push(target);
    } catch (error) {
      const rest = targets.slice(index + 1);
      await Promise.all(rest.map((other) => other.writable.abort().catch(() => {})));
      const notPutBack = await putBack(folder, closed);
      const leftEmpty = await removeCreated(folder, [target, ...rest]);
      throw new Error(`${error.message} ${afterFailure(closed, notPutBack, leftEmpty)}`);
    }
  }
  return { written: targets.map((target) => target.name) };
}

// The files as given, each under a plain name of its own.
function plainNames(files) {
  const seen = new Set();
  for (const { name } of files) {
    if (typeof name !== 'string' || name === '' || name === '.' || name === '..' ||
        /[/\\\0]/.test(name)) {
      throw new Error(`"${name}" cannot be the name of a file: it must be a name without folders.`);
    }
    if (seen.has(name)) throw new Error(`Two of the files to write are named "${name}".`);
    seen.add(name);
  }
  return files;
}

async function requireWritePermission(folder) {
  if (typeof folder.queryPermission !== 'function') return;
  const mode = { mode: 'readwrite' };
  if ((await folder.queryPermission(mode)) === 'granted') return;
  if ((await folder.requestPermission(mode)) === 'granted') return;
  throw new Error(`The browser did not allow writing into the folder "${folder.name}". ` +
                  'Allow it when asked, or choose another folder.');
}

async function namesIn(folder) {
  const names = [];
  for await (const name of folder.keys()) names.push(name);
  return names;
}

// The files a write of `name` would replace: the file of that name; where the disk ignores
// letter case (found under that name, but listed under another), also the listed ones whose
// names differ from it only in case (A to Z, the module's rule), since their handles name them
// differently.
async function filesAnsweringTo(folder, name, listed) {
  let handle;
  try {
    handle = await folder.getFileHandle(name);
  } catch (error) {
    if (error?.name === 'NotFoundError') return [];
    if (error?.name === 'TypeMismatchError') {
      throw new Error(`Cannot write "${name}": the folder "${folder.name}" holds a folder of ` +
                      'that name. Choose another name or folder.');
    }
    throw new Error(`Cannot write "${name}" into the folder "${folder.name}": ${reason(error)}.`);
  }
  if (listed.includes(name)) return [handle];
  const twins = (await loadModule()).namesIgnoringCase(listed, name);
  const twinHandles = await Promise.all(
    twins.map((twin) => folder.getFileHandle(twin).catch(() => null)),
  );
  return [handle, ...twinHandles.filter(Boolean)];
}

async function sameEntry(handle, other) {
  try {
    return await handle.isSameEntry(other);
  } catch {
    return false;
  }
}

// Runs `step` for the file `name`; a failure becomes an Error that names the file.
async function attempt(name, folder, step) {
  try {
    return await step();
  } catch (error) {
    throw new Error(`Cannot write "${name}" into the folder "${folder.name}": ${reason(error)}.`);
  }
}

// Removes the files of `targets` that did not exist before this write (opening a writable
// creates an empty file); answers the names of those that could not be removed.
async function removeCreated(folder, targets) {
  const left = [];
  for (const target of targets) {
    if (target.existed || !target.handle) continue;
    try {
      await folder.removeEntry(target.name);
    } catch {
      left.push(target.name);
    }
  }
  return left;
}

// What a failed write left in the folder, as sentences: `closed` were in place already,
// `notPutBack` of them still hold the new content, `leftEmpty` were created and not removed.
function afterFailure(closed, notPutBack, leftEmpty) {
  const sentences = [];
  if (closed.length === 0) {
    sentences.push(leftEmpty.length === 0 ? 'Nothing was written.' : 'Nothing was replaced.');
  } else if (notPutBack.length === 0) {
    sentences.push(`${listOf(closed.map((target) => target.name))}, already written, ` +
                   `${closed.length === 1 ? 'was' : 'were'} put back as before.`);
  } else {
    sentences.push(`${listOf(notPutBack)} could not be put back and ` +
                   `${notPutBack.length === 1 ? 'holds' : 'hold'} the new content.`);
  }
  if (leftEmpty.length > 0) {
    sentences.push(`${listOf(leftEmpty)} could not be removed again and ` +
                   `${leftEmpty.length === 1 ? 'is' : 'are'} left empty.`);
  }
  return sentences.join(' ');
}

// Writes back what the closed files held before, or removes those this write created; answers
// the names that could not be put back.
async function putBack(folder, closed) {
  const failed = [];
  for (const target of closed) {
    try {
      if (!target.existed) {
        await folder.removeEntry(target.name);
        continue;
      }
      const writable = await target.handle.createWritable();
      try {
        await writable.write(target.earlier);
        await writable.close();
      } catch (error) {
        await writable.abort().catch(() => {});
        throw error;
      }
    } catch {
      failed.push(target.name);
    }
  }
  return failed;
}

function listOf(names) {
  const quoted = names.map((name) => `"${name}"`);
  return quoted.length === 1
    ? quoted[0]
    : `${quoted.slice(0, -1).join(', ')} and ${quoted[quoted.length - 1]}`;
}

// What went wrong, as the middle of a sentence of ours.
function reason(error) {
  return String(error?.message || error?.name || error).replace(/\.$/, '');
}
