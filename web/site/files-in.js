// The files the user gives the page, picked in a file input or dropped: each as
// { name, bytes: Uint8Array, handle? }.

export async function filesFromInput(fileList) {
  return Promise.all(
    Array.from(fileList ?? [], async (file) => ({
      name: file.name,
      bytes: new Uint8Array(await file.arrayBuffer()),
    })),
  );
}

export async function filesFromDrop(dataTransfer) {
  return filesFromInput(dataTransfer.files);
}

// The file of that name, else the one of that name in other letter case, else null; an Error
// when two differ only in case.
export function findFile(files, name) {
  const exact = files.find((file) => file.name === name);
  if (exact) return exact;
  const twins = files.filter((file) => file.name.toLowerCase() === name.toLowerCase());
  if (twins.length > 1) {
    throw new Error(`"${name}" is given as ${twins.map((file) => `"${file.name}"`).join(' and ')}.`);
  }
  return twins[0] ?? null;
}
