// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a pass of the browser edition: the WebAssembly module under Node
// runs the page's whole pass (the core, DrawPass on the two canvas surfaces,
// the status line and the CSV points) at the heaviest scroll-bar setting with
// fluvenna-bench's one-row table, as its BM_PagePassHeaviest does natively;
// then the flow-field picture, the probe and a frame of the flow in motion.
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

  // A frame of the flow in motion as the page plays it (goal: under 4 ms):
  // ten curves at 8 degrees (motion_bench's BM_ParticleFrame) long after the
  // start, released every 0.05 chord / U0 (the shortest the page offers),
  // some 300 particles on the picture with their timelines, placed, drawn
  // on the canvas surface and handed over; the clock moves a 60th of a second
  // a frame. No pass runs. The times of flight are worked out before.
  session.pass({ DELTA: "0.1", GAMA: "0.05", Alfa: "8", iKutta: "1", dPsi: "0.1", kMax: "10", Olcek: "1", dR: "0.01" });
  session.advanceMotion(20000);
  const fieldWidth = core.fieldPictureWidth(core.plotHeight);
  let segments = null;
  const frame = timeIt(() => {
    session.advanceMotion(1000 / 60);
    session.drawMotion(0.05, true, fieldWidth, core.plotHeight);
    segments = session.segments(6);
  });
  let dots = 0;
  for (let i = 4; i < segments.length; i += core.floatsPerSegment) if (segments[i] === 0) dots += 1;
  console.log(`BM_PageMotionFrame in WebAssembly: ${frame.toFixed(3)} ms for ${dots / 2} particles and ` +
              `${segments.length / core.floatsPerSegment - dots} timeline segments ` +
              `(${fieldWidth} x ${core.plotHeight} CSS pixels)`);
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
