// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site for use without a network. It is stored whole when the
// worker is installed, under a name that changes with every build, so that a
// new build replaces the old one: the old stores are removed when the new
// worker takes over. A page asked for with any address (?alpha=8&lang=en)
// is answered with the stored page; what is not stored goes to the network.
"use strict";

const CACHE = "@CACHE@";
const FILES = @FILES@;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith("fluvenna-") && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((stored) => stored || fetch(request)));
});
