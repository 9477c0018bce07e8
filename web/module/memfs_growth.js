// The in-memory file system keeps each file in one array that a write past its end replaces by a
// larger copy. Emscripten's own growth doubles only up to 1 MiB and then adds an eighth at a
// time, so a scenario of a few MiB written in small chunks is copied over and over (most of the
// time of a large write). Doubling all the way copies each byte a few times at most.
MEMFS.expandFileStorage = function (node, newCapacity) {
  const previous = node.contents ? node.contents.length : 0;
  if (previous >= newCapacity) return;
  const capacity = Math.max(newCapacity, previous * 2, 65536) >>> 0;
  const old = node.contents;
  node.contents = new Uint8Array(capacity);
  if (node.usedBytes > 0) node.contents.set(old.subarray(0, node.usedBytes), 0);
};
