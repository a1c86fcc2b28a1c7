// Keeps the whole site in one cache per build, so that Vorlen opens with
// no network after the first visit. Every request is answered from the
// cache first; a new build (a new version) replaces the old cache whole.
const version = "@VERSION@";
const cacheName = `vorlen-${version}`;
const files = [
  "./",
  /* @FILES@ */
];

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(names.filter((name) => name.startsWith("vorlen-") && name !== cacheName)
          .map((name) => caches.delete(name))),
      )
      .then(() => self.clients.claim()),
  );
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches.open(cacheName).then(async (cache) => {
      const cached = await cache.match(event.request, { ignoreSearch: true });
      return cached ?? fetch(event.request);
    }),
  );
});
