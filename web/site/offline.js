// The page offline and installed as an app: the site's service worker (service-worker.js, made
// by the build) keeps this version of the site in the browser, so that after the first visit
// the page opens without a network. A new version of the site is fetched at the next visit
// and takes the old one's place in the cache at once; the page running then is still the old
// one, until it is loaded again.

// Calls `onUpdated()` whenever a new version of the site has taken the place of the one this
// page was loaded from (a reload then shows the new one); not when the first version settles in
// at the first visit. Registers the site's service worker once `pageReady` (a promise) has
// settled: the first visit's copy of the site should not compete with the page itself for the
// network. Answers the registration, or null where the browser keeps no site (no service
// workers, or an address that is not secure: any but https and localhost), and on a file:
// address (the single-file edition), which is offline already and where browsers offer service
// workers all the same but keep none. Call it once, at the start.
export async function watchForUpdates(onUpdated, pageReady = Promise.resolve()) {
  if (window.location.protocol === 'file:') return null;
  if (!('serviceWorker' in navigator) || !window.isSecureContext) return null;
  const { serviceWorker } = navigator;
  let kept = serviceWorker.controller;
  serviceWorker.addEventListener('controllerchange', () => {
    const earlier = kept;
    kept = serviceWorker.controller;
    if (earlier) onUpdated();
  });
  // A page loaded past the cache (Shift+Reload) has no controller, yet a version is kept.
  kept ??= (await serviceWorker.getRegistration(new URL('./', import.meta.url)))?.active ?? null;
  if (!serviceWorker.controller) keepDemoFetchedBefore(serviceWorker);
  await Promise.resolve(pageReady).catch(() => {});
  try {
    return await serviceWorker.register(new URL('service-worker.js', import.meta.url));
  } catch (error) {
    // The page works on without: only its offline copy is missing.
    console.warn(`zarkel will not work offline: ${error.message}`);
    return null;
  }
}

// The demo set fetched before a worker controlled the page (a first visit at #demo) went past
// the worker, which keeps the demo only as it passes: once a worker controls the page, each of
// those files is fetched again through it, once (the browser's cache mostly answers).
function keepDemoFetchedBefore(serviceWorker) {
  const demo = new URL('demo/', import.meta.url).href;
  const again = new Set();
  serviceWorker.addEventListener(
    'controllerchange',
    () => {
      new PerformanceObserver((entries) => {
        for (const entry of entries.getEntries()) {
          // workerStart is 0 for a request no worker answered.
          if (!entry.name.startsWith(demo) || entry.workerStart > 0 || again.has(entry.name)) continue;
          again.add(entry.name);
          fetch(entry.name).catch(() => {});
        }
      }).observe({ type: 'resource', buffered: true });
    },
    { once: true },
  );
}
