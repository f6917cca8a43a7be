// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The worker's host (web/page_worker.js, FluvennaHost) under Node, on the
// module of the site: what the page asks of it through the request/answer
// protocol comes back as the session itself answers it. A batch answers in
// order, as the same requests one by one; segments come back as copies that
// outlive the module's memory growing; an unknown method and a call before
// the start fail with a message; `timed` answers the result with the time.
// (Painting needs an OffscreenCanvas: the browser test checks it.)
// Usage: node worker_host_test.js SITE_DIR
"use strict";

const assert = require("assert");
const fs = require("fs");
const path = require("path");
const vm = require("vm");

const site = path.resolve(process.argv[2]);
const README = { DELTA: "0.12", GAMA: "0.04", Alfa: "8", iKutta: "1", dPsi: "0.1", kMax: "10", Olcek: "1", dR: "0.01" };

// page_worker.js as a page would load it (not in a worker): it only defines
// FluvennaHost on its scope.
function loadHost() {
  const scope = {};
  vm.runInNewContext(fs.readFileSync(path.join(site, "page_worker.js"), "utf8"),
                     { self: scope, performance, ArrayBuffer, Error, Promise });
  assert.strictEqual(typeof scope.FluvennaHost, "function", "page_worker.js defines FluvennaHost");
  return scope.FluvennaHost;
}

async function main() {
  const FluvennaCore = require(path.join(site, "fluvenna-core.js"));
  const wasm = fs.readFileSync(path.join(site, "fluvenna-core.wasm"));
  const table = fs.readFileSync(path.join(site, "KATJO-D20G15.txt"), "utf8");
  const FluvennaHost = loadHost();
  let loaded = null;
  const host = FluvennaHost(async (options) => {
    assert.ok(options.wasmBinary, "the bytes handed to start reach the module");
    loaded = await FluvennaCore(options);
    return loaded;
  });

  // Before the start nothing answers.
  assert.throws(() => host.answer("statusText", []), /not started/);
  const constants = await host.answer("start", [{ language: "en", wasm }]);
  assert.strictEqual(constants.plotWidth, loaded.plotWidth);
  assert.strictEqual(constants.fieldWidth, loaded.fieldPictureWidth(loaded.plotHeight));
  assert.strictEqual(constants.morphSteps, loaded.morphSteps);
  assert.strictEqual(host.answer("language", []), "en", "the start set the session's language");

  // A session of our own, beside the host's, takes the same steps.
  const own = new loaded.PageSession();
  own.setLanguage("en");
  assert.strictEqual(host.answer("loadTable", [table]), own.loadTable(table));
  const lines = ["statusText", "statusFailed", "pressureText", "liftText", "boundaryLayerText", "passCount"];
  const batch = host.answer("batch", [[{ method: "pass", args: [README] },
                                       ...lines.map((method) => ({ method, args: [] })),
                                       { method: "barText", args: [12, 100] },
                                       { method: "segments", args: [2] }]]);
  assert.strictEqual(batch.length, lines.length + 3);
  assert.strictEqual(batch[0], own.pass(README));
  lines.forEach((method, i) => assert.deepStrictEqual(batch[i + 1], own[method](), method));
  assert.strictEqual(batch[lines.length + 1], loaded.barText(12, 100), "a module function");
  assert.strictEqual(batch[lines.length + 1], "0.12");
  assert.match(batch[1], /C_L = 1\.508/);

  // The segments are a copy: the module's memory grows under a large field
  // and the copy keeps its numbers.
  const segments = batch[lines.length + 2];
  assert.ok(segments instanceof Float32Array && segments.length > 1000, "segments of the airfoil plot");
  assert.notStrictEqual(segments.buffer, loaded.HEAPU8 ? loaded.HEAPU8.buffer : null);
  const before = Array.from(segments);
  host.answer("drawField", ["cp", 2000, 1200, 2]);
  assert.deepStrictEqual(Array.from(segments), before, "the copy outlived the memory's growth");
  assert.deepStrictEqual(Array.from(host.answer("segments", [2])), Array.from(own.segments(2)));

  // A refused pass: the same answer and status line as the session's own.
  const refused = Object.assign({}, README, { dR: "0" });
  assert.strictEqual(host.answer("pass", [refused]), false);
  own.pass(refused);
  assert.strictEqual(host.answer("statusText", []), own.statusText());

  // Unknown methods fail with a message naming them, inside a batch too.
  assert.throws(() => host.answer("noSuchMethod", []), /no method noSuchMethod/);
  assert.throws(() => host.answer("batch", [[{ method: "passCount", args: [] }, { method: "nope", args: [] }]]),
                /no method nope/);

  const timed = host.answer("timed", ["passCount", []]);
  assert.strictEqual(timed.result, own.passCount());
  assert.ok(timed.ms >= 0);
  console.log("worker host: start, batch, copies, refusals and timing as the session's own");
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
