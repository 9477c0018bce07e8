// What the single-file edition carries inside itself, compressed with gzip and written as
// base64, unpacked by the browser's own DecompressionStream.

// The bytes of a gzip stream written as base64.
export async function unpack(base64) {
  const text = atob(base64);
  const packed = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i += 1) packed[i] = text.charCodeAt(i);
  const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}
