// Speed of a pass of the browser edition: the WebAssembly module under Node
// runs the page's whole pass (the core, DrawPass on the two canvas surfaces,
// the status line and the CSV points) at the heaviest scroll-bar setting, as
// fluvenna-bench's BM_RedrawBothPictures does natively.
// Usage: node web_pass_bench.js SITE_DIR
"use strict";

const fs = require("fs");
const path = require("path");

const site = path.resolve(process.argv[2] || "build-web/site");
const HEAVIEST = { DELTA: "0.1", GAMA: "0.05", Alfa: "30", iKutta: "1", dPsi: "0.01", kMax: "10", Olcek: "3", dR: "0.01" };
const MIN_SECONDS = 2;

require(path.join(site, "fluvenna-core.js"))({
  wasmBinary: fs.readFileSync(path.join(site, "fluvenna-core.wasm")),
}).then((core) => {
  const session = new core.PageSession();
  session.loadTable(fs.readFileSync(path.join(site, "KATJO-D20G15.txt"), "utf8"));
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
  console.log(`web pass, heaviest scroll-bar setting: ${(1000 * elapsed / runs).toFixed(2)} ms ` +
              `(${runs} runs; ${session.segments(1).length / core.floatsPerSegment} + ` +
              `${session.segments(2).length / core.floatsPerSegment} segments); ` +
              `CSV of it: ${csvMs.toFixed(1)} ms, ${csv.length} bytes`);
});
