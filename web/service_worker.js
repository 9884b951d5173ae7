// Keeps every file of the site in a cache named after the site's version, so that after the first
// visit the page works without the network. The list and the version are filled in when the site
// is assembled; a new version replaces the old cache.
const cacheName = 'kantrix-@SITE_VERSION@';
const siteFiles = [
  './',
  '@SITE_FILES@',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(siteFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// Cache first: the cache holds the whole site of this version.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request)));
});
