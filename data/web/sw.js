// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps Korvane's files in the browser, so that the page works offline after its first visit.
// The cache is named after the version and the files' checksum (filled in by tools/web.bash):
// a new build installs a cache of its own and removes the old one.
'use strict';
const cacheName = 'korvane-@VERSION@-@CHECKSUM@';
const files = [@FILES@];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(cacheName).then(cache => cache.addAll(files))
                        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
      .then(names => Promise.all(names.filter(name => name.startsWith('korvane-') &&
                                              name !== cacheName)
                                      .map(name => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// The kept files first, the network for anything else.
self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(cacheName)
      .then(cache => cache.match(event.request, { ignoreSearch: true }))
      .then(kept => kept || fetch(event.request)));
});
