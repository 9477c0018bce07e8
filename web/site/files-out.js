// What the page writes leaves it as downloads (a set of files as one zip), or where the browser
// offers it, straight into a folder the user picks.
import { zipSync } from './vendor/fflate.js';

export function downloadFile(name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

export function downloadZip(zipName, files) {
  const entries = {};
  for (const { name, bytes } of files) entries[name] = [bytes, { level: 0 }];
  downloadFile(zipName, zipSync(entries, { level: 0, mtime: new Date(1980, 0, 1) }));
}

export function canWriteIntoFolder() {
  return typeof globalThis.showDirectoryPicker === 'function';
}

export async function chooseFolder() {
  try {
    return await globalThis.showDirectoryPicker({ mode: 'readwrite' });
  } catch (error) {
    if (error?.name === 'AbortError') return null;
    throw error;
  }
}

// All or nothing: every file is written before any is closed (put in place).
export async function writeIntoFolder(folder, files, inUse = []) {
  for (const { name } of files) {
    const existing = await folder.getFileHandle(name).catch(() => null);
    for (const used of inUse) {
      if (existing && (await existing.isSameEntry(used.handle ?? used))) {
        throw new Error(`Cannot write "${name}": it is a file in use. Choose another name or folder.`);
      }
    }
  }
  const writables = [];
  try {
    for (const { name, bytes } of files) {
      const handle = await folder.getFileHandle(name, { create: true });
      const writable = await handle.createWritable();
      writables.push(writable);
      await writable.write(bytes);
    }
  } catch (error) {
    await Promise.all(writables.map((writable) => writable.abort().catch(() => {})));
    throw new Error(`Cannot write into the folder "${folder.name}": ${error.message} Nothing was written.`);
  }
  for (const writable of writables) await writable.close();
  return { written: files.map(({ name }) => name) };
}
