// The demo set: invented files served beside the page, fetched only when asked for.
const DEMO_URL = new URL('demo/', import.meta.url);

// Fetches every file of the demo set: [{name, bytes}].
export async function fetchDemoSet() {
  const names = await fetchJson(new URL('files.json', DEMO_URL));
  return Promise.all(
    names.map(async (name) => ({ name, bytes: await fetchBytes(new URL(name, DEMO_URL)) })),
  );
}

// What the demo opens: the Homemade scenario with the demo equipment.
export const DEMO_OPEN = {
  layout: 'homemade',
  scenario: 'kardel.scn',
  equipment: 'equipment.eqp',
  names: 'equipment.txt',
};

async function fetchJson(url) {
  return JSON.parse(new TextDecoder().decode(await fetchBytes(url)));
}

async function fetchBytes(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url.pathname}: ${response.status} ${response.statusText}`);
  return new Uint8Array(await response.arrayBuffer());
}
