// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a pass of the browser edition: the WebAssembly module under Node
// runs the page's whole pass (the core, DrawPass on the two canvas surfaces,
// the status line and the CSV points) at the heaviest scroll-bar setting with
// fluvenna-bench's one-row table, as its BM_PagePassHeaviest does natively;
// then the flow-field picture and the probe.
// Usage: node web_pass_bench.js SITE_DIR
"use strict";

const fs = require("fs");
const path = require("path");

const site = path.resolve(process.argv[2] || "build-web/site");
const HEAVIEST = { DELTA: "0.1", GAMA: "0.05", Alfa: "30", iKutta: "1", dPsi: "0.01", kMax: "10", Olcek: "3", dR: "0.01" };
const ONE_ROW_TABLE = "table\n1\n0.1,0.05,0.1,0.05,0\n";
const MIN_SECONDS = 2;

require(path.join(site, "fluvenna-core.js"))({
  wasmBinary: fs.readFileSync(path.join(site, "fluvenna-core.wasm")),
}).then((core) => {
  const session = new core.PageSession();
  if (session.loadTable(ONE_ROW_TABLE) !== "") throw new Error("the one-row table did not load");
  for (let i = 0; i < 5; ++i) session.pass(HEAVIEST); // warm up the engine
  let runs = 0;
  const start = process.hrtime.bigint();
  let elapsed = 0;
  while (elapsed < MIN_SECONDS) {
    session.pass(HEAVIEST);
    session.segments(1).slice();
    session.segments(2).slice();
    runs += 1;
    elapsed = Number(process.hrtime.bigint() - start) / 1e9;
  }
  const csvStart = process.hrtime.bigint();
  const csv = session.csv();
  const csvMs = Number(process.hrtime.bigint() - csvStart) / 1e6;
  console.log(`BM_PagePassHeaviest in WebAssembly: ${(1000 * elapsed / runs).toFixed(2)} ms ` +
              `(${runs} runs; ${session.segments(1).length / core.floatsPerSegment} + ` +
              `${session.segments(2).length / core.floatsPerSegment} segments); ` +
              `CSV of it: ${csvMs.toFixed(1)} ms, ${csv.length} bytes`);

  // The flow-field picture with its flow part 600 x 400 pixels, at the
  // density of an ordinary screen and of a high-density one, as the page
  // draws it after every pass; then the probe, a point at a time.
  const height = 400;
  const width = core.fieldPictureWidth(height);
  for (const density of [1, 2]) {
    const timed = timeIt(() => session.drawField("cp", width, height, density));
    console.log(`BM_PageField in WebAssembly: ${timed.toFixed(2)} ms for ${width} x ${height} ` +
                `CSS pixels at density ${density}`);
  }
  let x = 0;
  const probe = timeIt(() => {
    for (let i = 0; i < 1000; ++i) session.probeAt(5 + ((x++) % 500), 200, width, height);
  });
  console.log(`BM_PageProbe in WebAssembly: ${probe.toFixed(2)} µs a point (with its line of text)`);
});

// Milliseconds a call of `run` takes, over at least a second after a warm-up.
function timeIt(run) {
  for (let i = 0; i < 3; ++i) run();
  let runs = 0;
  const start = process.hrtime.bigint();
  let elapsed = 0;
  while (elapsed < 1) {
    run();
    runs += 1;
    elapsed = Number(process.hrtime.bigint() - start) / 1e9;
  }
  return (1000 * elapsed) / runs;
}
