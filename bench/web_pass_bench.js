// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a pass of the browser edition: the WebAssembly module under Node
// runs the page's whole pass (the core, DrawPass on the two canvas surfaces,
// the status line and the CSV points) at the heaviest scroll-bar setting with
// fluvenna-bench's one-row table, as its BM_PagePassHeaviest does natively.
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
});
