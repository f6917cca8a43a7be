// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's module off the main thread: a Web Worker that holds the C++
// core (FluvennaCore, fluvenna-core.js) and the page's one PageSession, runs
// what the page asks of it and paints the pictures on an OffscreenCanvas,
// handing them back finished (ImageBitmap), so that a pass never blocks the
// page. The page reaches it through FluvennaBridge (page_bridge.js).
//
// The protocol, one request and one answer at a time, answered in the order
// asked:
//   page -> worker  {id, method, args}
//   worker -> page  {id, result}            or {id, error: "message"}
// `method` is, in this order of lookup:
//   - one of the worker's own:
//       start({language, wasm})  loads the module (wasm: its bytes, or none
//                                to fetch fluvenna-core.wasm), makes the
//                                session and answers the module's constants
//                                {plotWidth, plotHeight, fieldWidth,
//                                secondsPerTimeUnit, releaseInterval, ...};
//       paint(picture, cssWidth, cssHeight, pixelWidth, pixelHeight,
//             transparent)       the session's picture `picture` (as
//                                PageSession::Segments and Marks number them)
//                                drawn on pixelWidth x pixelHeight device
//                                pixels over the light-yellow background (or
//                                none): an ImageBitmap to drawImage as it is;
//       batch([{method, args}])  several requests in one message, answered
//                                as the array of their results;
//       timed(method, args)      a request answered as {result, ms}, the
//                                worker's milliseconds for it;
//   - a method of PageSession as binding.cpp names it ("pass", "statusText",
//     "drawField", "csv", ...), called on the worker's session;
//   - a function of the module ("barText", "barPositionOf", ...).
// Views of the module's memory (segments) are copied; ImageBitmaps are
// transferred. A new section adds its PageSession method to binding.cpp and
// calls it from the page with `await session.method(...args)` (the bridge's
// session stands for this one), and paints its picture with
// `await bridge.paintInto(canvas, picture, size)`: nothing here changes.
//
// The same host also runs inside the page, where a worker or an
// OffscreenCanvas is missing or the page is opened from a file
// (FluvennaHost); then it paints on a canvas element of its own.
"use strict";

(function (scope) {
  const LIGHT_YELLOW = "rgb(255, 255, 192)";
  const inWorker = typeof WorkerGlobalScope !== "undefined" && scope instanceof WorkerGlobalScope;

  function colourText(colour) {
    return `rgb(${colour & 255}, ${(colour >> 8) & 255}, ${(colour >> 16) & 255})`;
  }

  // A canvas to draw on: an OffscreenCanvas, or a canvas element in a page
  // whose browser has none.
  function newCanvas(width, height) {
    if (typeof OffscreenCanvas === "function") return new OffscreenCanvas(width, height);
    const canvas = document.createElement("canvas");
    canvas.width = width;
    canvas.height = height;
    return canvas;
  }

  // The pixels of a recorded image on a canvas of their own (putImageData
  // takes no transform), whose source rectangle is then stretched over the
  // recorded one, pixel for pixel as the window does.
  function drawImageMark(context, mark) {
    const own = newCanvas(mark.imageWidth, mark.imageHeight);
    own.getContext("2d").putImageData(new ImageData(mark.pixels, mark.imageWidth, mark.imageHeight), 0, 0);
    context.imageSmoothingEnabled = false;
    context.drawImage(own, mark.sourceLeft, mark.sourceTop, mark.sourceWidth, mark.sourceHeight,
                      mark.left, mark.top, mark.width, mark.height);
  }

  function drawTextMark(context, mark, textPixels) {
    context.font = `${textPixels}px "DejaVu Sans", sans-serif`;
    context.textAlign = mark.align;
    context.textBaseline = "alphabetic";
    context.fillStyle = colourText(mark.colour);
    context.fillText(mark.text, mark.x, mark.y);
  }

  // Strokes the segments the canvas surface recorded and draws its images
  // and texts, all in the order they were recorded; they are already in the
  // drawing area's pixels.
  function stroke(context, segments, marks, stride, textPixels) {
    let i = 0;
    let m = 0;
    for (;;) {
      for (; m < marks.length && marks[m].before * stride <= i; ++m) {
        if (marks[m].kind === "image") drawImageMark(context, marks[m]);
        else drawTextMark(context, marks[m], textPixels);
      }
      if (i >= segments.length) break;
      const end = m < marks.length ? marks[m].before * stride : segments.length;
      const colour = segments[i + 4];
      context.lineWidth = 1;
      context.lineCap = "butt";
      context.strokeStyle = colourText(colour);
      context.beginPath();
      for (; i < end && segments[i + 4] === colour; i += stride) {
        context.moveTo(segments[i], segments[i + 1]);
        context.lineTo(segments[i + 2], segments[i + 3]);
      }
      context.stroke();
    }
  }

  // The host of one module and its session: answer(method, args) gives what
  // the protocol above says, at once or as a promise (start).
  function FluvennaHost(loadCore) {
    let core = null;
    let session = null;

    async function start({ language, wasm } = {}) {
      core = await loadCore(wasm ? { wasmBinary: wasm } : {});
      session = new core.PageSession();
      if (language) session.setLanguage(language);
      return {
        plotWidth: core.plotWidth, plotHeight: core.plotHeight,
        fieldWidth: core.fieldPictureWidth(core.plotHeight),
        secondsPerTimeUnit: core.secondsPerTimeUnit, releaseInterval: core.releaseInterval,
        shortestReleaseInterval: core.shortestReleaseInterval,
        longestReleaseInterval: core.longestReleaseInterval,
        releaseIntervalStep: core.releaseIntervalStep, morphSteps: core.morphSteps,
      };
    }

    function paint(picture, cssWidth, cssHeight, pixelWidth, pixelHeight, transparent = false) {
      const canvas = newCanvas(Math.max(1, pixelWidth), Math.max(1, pixelHeight));
      const context = canvas.getContext("2d");
      if (!transparent) {
        context.fillStyle = LIGHT_YELLOW;
        context.fillRect(0, 0, canvas.width, canvas.height);
      }
      context.setTransform(canvas.width / cssWidth, 0, 0, canvas.height / cssHeight, 0, 0);
      // Copied at once: the next call into the module may move its memory.
      const segments = session.segments(picture).slice();
      stroke(context, segments, session.marks(picture), core.floatsPerSegment, core.textPixels);
      return typeof canvas.transferToImageBitmap === "function" ? canvas.transferToImageBitmap() : canvas;
    }

    function one(method, args = []) {
      if (method === "paint") return paint(...args);
      if (method === "batch") return args[0].map((call) => one(call.method, call.args));
      if (method === "timed") {
        const begun = performance.now();
        const result = one(args[0], args[1]);
        return { result, ms: performance.now() - begun };
      }
      if (!session) throw new Error("the module is not started");
      let result;
      if (typeof session[method] === "function") result = session[method](...args);
      else if (typeof core[method] === "function") result = core[method](...args);
      else throw new Error(`no method ${method}`);
      return ArrayBuffer.isView(result) ? result.slice() : result;
    }

    return {
      answer(method, args) {
        return method === "start" ? start(...(args || [])) : one(method, args);
      },
    };
  }

  // The ImageBitmaps in an answer, to be transferred rather than copied.
  function transferables(result, found = []) {
    if (typeof ImageBitmap === "function" && result instanceof ImageBitmap) found.push(result);
    else if (Array.isArray(result)) result.forEach((r) => transferables(r, found));
    else if (result && typeof result === "object" && "result" in result) transferables(result.result, found);
    return found;
  }

  scope.FluvennaHost = FluvennaHost;
  if (!inWorker) return;

  importScripts("fluvenna-core.js");
  const host = FluvennaHost((options) => scope.FluvennaCore(options));
  // Requests are answered one after another, in the order they came, even
  // while the module is still loading.
  let queue = Promise.resolve();
  scope.onmessage = (event) => {
    const { id, method, args } = event.data;
    queue = queue.then(() => host.answer(method, args)).then(
      (result) => scope.postMessage({ id, result }, transferables(result)),
      (error) => scope.postMessage({ id, error: String(error && error.message || error) }));
  };
})(self);
