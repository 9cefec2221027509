// SPDX-License-Identifier: GPL-3.0-or-later
// Works offline after the first visit: every file of the site is kept in a
// cache named after the build, answered from there first, and a new build's
// worker replaces the old cache. The build fills in the version and the list.
const VERSION = '@SITE_VERSION@';
const FILES = [/* @SITE_FILES@ */];
const CACHE = `varnock-${VERSION}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(CACHE)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((cached) => cached ?? fetch(event.request)));
});
