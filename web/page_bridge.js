// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the worker that holds the module (page_worker.js, whose
// head describes the requests): every call is a promise of its answer.
//
//   const bridge = await FluvennaBridge.shared;   // the page's one bridge
//   const drawn = await bridge.session.pass(texts); // any PageSession method
//   await bridge.paintInto(canvas, 2, [396, 263]); // a picture, painted
//
// FluvennaBridge.open(options) starts it: in a Web Worker where the browser
// has workers and OffscreenCanvas and the page came from a server, else in
// the page itself (the same host, the same answers). `options.inline` is the
// page in one file's module and table (window.FluvennaInline).
"use strict";

(function (scope) {
  const WORKER_SCRIPT = "page_worker.js";
  const CORE_SCRIPT = "fluvenna-core.js";

  function decodeBase64(text) {
    return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
  }

  function loadScript(source) {
    if (document.querySelector(`script[src="${source}"]`)) {
      return Promise.resolve();
    }
    return new Promise((resolve, reject) => {
      const script = document.createElement("script");
      script.src = source;
      script.addEventListener("load", resolve);
      script.addEventListener("error", reject);
      document.head.appendChild(script);
    });
  }

  // A transport over a worker: posts {id, method, args} and settles each
  // promise with its answer.
  function workerTransport() {
    const worker = new Worker(WORKER_SCRIPT);
    const waiting = new Map();
    let next = 1;
    worker.onmessage = (event) => {
      const { id, result, error } = event.data;
      const promise = waiting.get(id);
      waiting.delete(id);
      if (error !== undefined) promise.reject(new Error(error));
      else promise.resolve(result);
    };
    worker.onerror = (event) => {
      for (const promise of waiting.values()) promise.reject(new Error(event.message || "worker failed"));
      waiting.clear();
    };
    return (method, args) => new Promise((resolve, reject) => {
      const id = next++;
      waiting.set(id, { resolve, reject });
      worker.postMessage({ id, method, args });
    });
  }

  // The same host in the page: answers in order, each in a task of its own
  // so that the page stays as answerable as it can.
  async function pageTransport() {
    if (typeof FluvennaHost !== "function") await loadScript(WORKER_SCRIPT);
    if (typeof FluvennaCore !== "function") await loadScript(CORE_SCRIPT);
    const host = FluvennaHost((options) => FluvennaCore(options));
    let queue = Promise.resolve();
    return (method, args) => {
      const answer = queue.then(() => host.answer(method, args));
      queue = answer.catch(() => {});
      return answer;
    };
  }

  function inPage(options) {
    return options.inline || typeof Worker !== "function" || typeof OffscreenCanvas !== "function" ||
      !/^https?:$/.test(location.protocol);
  }

  async function open(options = {}) {
    const call = inPage(options) ? await pageTransport() : workerTransport();
    const constants = await call("start", [{
      language: options.language,
      wasm: options.inline ? decodeBase64(options.inline.wasm) : undefined,
    }]);
    // Pending requests, for whoever waits for the page to settle.
    let pending = 0;
    const counted = (method, args) => {
      pending += 1;
      document.body.dataset.workerPending = String(pending);
      const settle = () => {
        pending -= 1;
        document.body.dataset.workerPending = String(pending);
      };
      const answer = call(method, args);
      answer.then(settle, settle);
      return answer;
    };
    const bridge = {
      constants,
      inWorker: !inPage(options),
      call: (method, ...args) => counted(method, args),
      batch: (calls) => counted("batch", [calls]),
      // session.name(...args): the worker's PageSession method `name`.
      session: new Proxy({}, { get: (target, name) => (...args) => counted(String(name), args) }),
      // Sizes `canvas` to pixelWidth x pixelHeight and draws a finished
      // picture (an ImageBitmap or canvas the host painted) on it.
      show(canvas, picture) {
        if (canvas.width !== picture.width || canvas.height !== picture.height) {
          canvas.width = picture.width;
          canvas.height = picture.height;
        }
        const context = canvas.getContext("2d");
        context.setTransform(1, 0, 0, 1, 0, 0);
        context.clearRect(0, 0, canvas.width, canvas.height);
        context.drawImage(picture, 0, 0);
        if (typeof picture.close === "function") picture.close();
      },
      // The host's picture `picture` of a drawing area of `size` CSS pixels
      // painted at the screen's density (times `scale`) onto `canvas`.
      async paintInto(canvas, picture, size, scale = 1, transparent = false) {
        const density = (scope.devicePixelRatio || 1) * scale;
        const painted = await counted("paint", [picture, size[0], size[1], Math.round(size[0] * density),
                                                Math.round(size[1] * density), transparent]);
        bridge.show(canvas, painted);
      },
    };
    return bridge;
  }

  let opened = null;
  scope.FluvennaBridge = {
    open(options) {
      if (!opened) {
        opened = open(options);
        document.dispatchEvent(new Event("fluvenna-bridge"));
      }
      return opened;
    },
    // The page's bridge once page.js opened it (other sections await it).
    get shared() {
      return opened || new Promise((resolve) => {
        document.addEventListener("fluvenna-bridge", () => resolve(opened), { once: true });
      });
    },
  };
})(window);
