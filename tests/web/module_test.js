// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly module under Node against the native renderer: for the
// worked examples and a dozen random settings the CSV of a pass must have the
// renderer's rows, NP and PSI, and coordinates within 1e-12 relative; the
// surface CSV the renderer's points, with every number within 1e-10; the lift
// curve the renderer's angles, C_L within 1e-12. For a few of them the field
// the flow-field picture samples must have the renderer's pixel centres and
// states, with every number within 1e-10. The flow in motion is the core's:
// particles and timelines from DrawMotion, its clock, no pass for a frame.
// The boundary layer and the polar are the renderer's, at a typed Re and
// from a wing, within 1e-10.
// Usage: node module_test.js SITE_DIR FLUVENNA_RENDER DATA_DIR
"use strict";

const assert = require("assert");
const { execFileSync } = require("child_process");
const fs = require("fs");
const path = require("path");
const { compareCsv } = require("./compare_csv.js");

const [site, render, data] = process.argv.slice(2);
const TOLERANCE = 1e-12;
// Next to the trailing edge the surface speed is a quotient of two vanishing
// quantities (the circle flow and the map's derivative), so the last bit in
// which the two maths libraries' sines and cosines may differ grows by the
// inverse distance to the edge, some 1e4 for the nearest points.
const SURFACE_TOLERANCE = 1e-10;

// Texts as the renderer's options take them.
const KEYS = { DELTA: "delta", GAMA: "gamma", Alfa: "alpha", iKutta: "kutta", dPsi: "dpsi", kMax: "nsl", Olcek: "scale", dR: "dr" };
const START = { DELTA: "0.01", GAMA: "0", Alfa: "0", iKutta: "1", dPsi: "0.1", kMax: "2", Olcek: "1", dR: "0.01" };

const WORKED = [
  {}, // the window's initial texts
  { Alfa: "1" }, // the right arrow of the angle bar once
  { DELTA: "0.02" }, // the right arrow of the thickness bar once
  { DELTA: "0.12", GAMA: "0.04", Alfa: "8", kMax: "10" }, // the README's pictures
  { kMax: "10", dPsi: "0.01", Alfa: "30", Olcek: "3" }, // the heaviest scroll-bar setting
  { DELTA: "0.3", GAMA: "0.14", Alfa: "-10", Olcek: "0.5" },
  { DELTA: "0.125", Alfa: "5" }, // a pair the table lacks: the flat plate
  { kMax: "2.5", iKutta: "0" },
  { kMax: "-1" },
  { DELTA: "0.05abc", Alfa: " 12", dR: "0.02" },
];

// A small deterministic generator, so that a failure can be replayed.
function random(seed) {
  let state = seed >>> 0;
  return () => {
    state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
    return state / 4294967296;
  };
}

function randomSettings(count) {
  const next = random(20070201);
  const pick = (lo, hi) => lo + Math.floor(next() * (hi - lo + 1));
  const settings = [];
  for (let i = 0; i < count; ++i) {
    settings.push({
      DELTA: String(pick(1, 30) / 100), GAMA: String(pick(0, 14) / 100), Alfa: String(pick(-10, 30)),
      iKutta: String(pick(0, 10) / 10), dPsi: String(pick(1, 10) / 100), kMax: String(pick(2, 10)),
      Olcek: String(pick(5, 30) / 10), dR: ["0.01", "0.02", "0.005"][pick(0, 2)],
    });
  }
  return settings;
}

function nativeCsv(texts, option = "--csv") {
  const args = [];
  for (const [field, key] of Object.entries(KEYS)) args.push(`--${key}`, texts[field]);
  return execFileSync(render, [...args, option, "-"], { cwd: data, encoding: "utf8", maxBuffer: 1 << 28, stdio: ["ignore", "pipe", "ignore"] });
}

async function main() {
  const FluvennaCore = require(path.resolve(site, "fluvenna-core.js"));
  // Under Node the module is handed its code directly.
  const core = await FluvennaCore({ wasmBinary: fs.readFileSync(path.join(site, "fluvenna-core.wasm")) });
  const session = new core.PageSession();
  assert.strictEqual(session.loadTable(fs.readFileSync(path.join(data, "KATJO-D20G15.txt"), "utf8")), "");

  const totals = {};
  for (const name of ["points", "surface", "lift curve", "field"]) {
    totals[name] = { rows: 0, numbers: 0, differing: 0, largest: 0 };
  }
  const add = (total, result) => {
    total.rows += result.rows;
    total.numbers += result.numbers;
    total.differing += result.differing;
    total.largest = Math.max(total.largest, result.largest);
  };
  // The page's flow-field picture at the renderer's default size.
  const fieldSize = [core.fieldPictureWidth(core.plotHeight), core.plotHeight];
  const settings = [...WORKED.map((w) => ({ ...START, ...w })), ...randomSettings(12)];
  for (const [i, texts] of settings.entries()) {
    const label = JSON.stringify(texts);
    assert.ok(session.pass(texts), `the pass of ${label} was refused: ${session.statusText()}`);
    try {
      add(totals.points, compareCsv(nativeCsv(texts), session.csv(), TOLERANCE));
      add(totals.surface, compareCsv(nativeCsv(texts, "--cp"), session.surfaceCsv(), SURFACE_TOLERANCE, 2));
      add(totals["lift curve"], compareCsv(nativeCsv(texts, "--lift-curve"), session.liftCurveCsv(), TOLERANCE, 1));
      if (i % 5 === 3) {
        add(totals.field, compareCsv(nativeCsv(texts, "--field-csv"), session.fieldCsv(...fieldSize),
                                     SURFACE_TOLERANCE, 3));
      }
    } catch (error) {
      throw new Error(`${label}: ${error.message}`);
    }
  }

  // The pressure picture's texts come after all its segments, inside the
  // plot, with the legend in the curves' colours; the flow plots have none.
  assert.ok(session.pass({ ...START, ...WORKED[3] }));
  const segmentCount = session.segments(3).length / core.floatsPerSegment;
  const marks = session.marks(3);
  assert.ok(marks.length >= 10, `${marks.length} texts in the pressure picture`);
  for (const mark of marks) {
    assert.strictEqual(mark.kind, "text");
    assert.strictEqual(mark.before, segmentCount);
    assert.ok(mark.x >= 0 && mark.x <= core.plotWidth && mark.y >= 0 && mark.y <= core.plotHeight + core.textPixels,
              JSON.stringify(mark));
    assert.ok(["left", "center", "right"].includes(mark.align));
  }
  const legend = (word) => marks.find((mark) => mark.text.endsWith(word)).colour;
  assert.strictEqual(legend("upper surface"), 255); // red, as the upper curve
  assert.strictEqual(legend("lower surface"), 255 * 65536); // blue, as the lower curve
  assert.deepStrictEqual([session.marks(1).length, session.marks(2).length], [0, 0]);

  // The flow-field picture samples its colour field at the canvas's device
  // pixels, whatever the density, and lays it over the same CSS rectangle;
  // the lines and texts stay in CSS pixels.
  const fieldImages = [1, 2].map((density) => {
    assert.ok(session.drawField("cp", ...fieldSize, density));
    const images = session.marks(4).filter((mark) => mark.kind === "image");
    const texts = session.marks(4).filter((mark) => mark.kind === "text").map((mark) => [mark.x, mark.y, mark.text]);
    return { field: images[0], texts };
  });
  const [one, two] = fieldImages.map((f) => f.field);
  assert.deepStrictEqual([two.imageWidth, two.imageHeight], [2 * one.imageWidth, 2 * one.imageHeight]);
  assert.deepStrictEqual([one.left, one.top, one.width, one.height], [two.left, two.top, two.width, two.height]);
  assert.ok(Math.abs(one.width - one.imageWidth) < 1 && one.height === core.plotHeight, JSON.stringify(one));
  assert.deepStrictEqual(fieldImages[0].texts, fieldImages[1].texts);
  assert.ok(fieldImages[0].texts.some(([, , text]) => text === "Cp"));
  // Without colouring there is no colour field and no bar; the only texts
  // are the boundary layer's marks, the factor of its displacement thickness
  // and, where a surface separates, the line that says it ends there.
  assert.ok(session.drawField("none", ...fieldSize, 1));
  assert.ok(session.marks(4).every((mark) => (mark.kind === "image" && mark.imageWidth === 1) ||
                                             (mark.kind === "text" && /^(δ\* × [0-9]+|δ\* drawn up to separation \(S\) only|T|S)$/.test(mark.text))),
            JSON.stringify(session.marks(4).filter((mark) => mark.kind === "text")));
  // The probe: the flow far upstream runs at about the free stream's speed;
  // the colour bar's strip and the points off the picture show nothing.
  const upstream = session.probeAt(0.5, fieldSize[1] / 2, ...fieldSize);
  const q = Number(/q\/U0 = (-?[0-9.]+)/.exec(upstream)[1]);
  assert.ok(/^x = -0\.99[0-9], y = -?0\.00[0-9]: q\/U0 = /.test(upstream) && q > 0.9 && q < 1.1, upstream);
  for (const [px, py] of [[fieldSize[0] - 2, 100], [-1, 100], [100, fieldSize[1] + 1]]) {
    assert.strictEqual(session.probeAt(px, py, ...fieldSize), "", `${px}, ${py}`);
  }
  assert.ok(/^Slope dC_L\/dα = /.test(session.liftText()), session.liftText());
  const liftTexts = session.marks(5).filter((mark) => mark.kind === "text").map((mark) => mark.text);
  assert.ok(liftTexts.some((text) => text.endsWith("exact (Joukowski)")) && session.segments(5).length > 0, liftTexts.join("|"));

  // The flow in motion is the core's DrawMotion over the field picture
  // (picture 6): the particles as black dots of two crossing segments, the
  // timelines green when asked for, all on the picture. Its time runs
  // with the page's clock, kSecondsPerTimeUnit seconds a chord / U0, and
  // every drawn pass sets it back to 0; nothing moves before the first pass.
  const fresh = new core.PageSession();
  assert.strictEqual(fresh.drawMotion(core.releaseInterval, true, ...fieldSize), false);
  assert.strictEqual(fresh.segments(6).length, 0);
  fresh.delete();
  const BLACK = 0;
  const GREEN = 120 * 256;
  const motionAt = (interval, timelines) => {
    assert.ok(session.drawMotion(interval, timelines, ...fieldSize));
    const segments = session.segments(6).slice();
    const part = { black: [], green: 0 };
    for (let i = 0; i < segments.length; i += core.floatsPerSegment) {
      const [x1, y1, x2, y2, colour] = segments.subarray(i, i + core.floatsPerSegment);
      // Clipped to the picture grown by a pixel, as every plot's lines.
      assert.ok([x1, x2].every((x) => x >= -1 && x <= fieldSize[0] + 1) &&
                [y1, y2].every((y) => y >= -1 && y <= fieldSize[1] + 1),
                `a motion segment off the picture: ${[x1, y1, x2, y2]}`);
      assert.ok(colour === BLACK || (timelines && colour === GREEN), `colour ${colour}`);
      if (colour === BLACK) part.black.push(x1, y1, x2, y2);
      else part.green += 1;
    }
    return part;
  };
  assert.ok(session.pass({ ...START, ...WORKED[3] }));
  assert.strictEqual(session.motionTime(), 0);
  assert.strictEqual(session.advanceMotion(1500 * core.secondsPerTimeUnit), 1.5);
  const passesBefore = session.passCount();
  const withTimelines = motionAt(core.releaseInterval, true);
  const without = motionAt(core.releaseInterval, false);
  const particles = withTimelines.black.length / 8;
  assert.ok(Number.isInteger(particles) && particles > 20, `${particles} particles at T = 1.5`);
  assert.ok(withTimelines.green > particles / 4, `${withTimelines.green} timeline segments`);
  assert.strictEqual(without.green, 0);
  assert.deepStrictEqual(without.black, withTimelines.black);
  // More releases, more particles; later, the same releases elsewhere.
  assert.ok(motionAt(0.05, false).black.length > 3 * without.black.length);
  session.advanceMotion(100);
  assert.notDeepStrictEqual(motionAt(core.releaseInterval, false).black, without.black);
  assert.strictEqual(session.passCount(), passesBefore, "a frame ran a pass");
  // An interval the window's box would not take is held to its range.
  assert.deepStrictEqual(motionAt(1000, false).black, motionAt(core.longestReleaseInterval, false).black);
  // A box that holds no number releases every quarter time unit, as the
  // page's box opens with and the renderer's --frames release.
  assert.deepStrictEqual(motionAt(NaN, false).black, motionAt(0.25, false).black);
  assert.notDeepStrictEqual(motionAt(0.26, false).black, motionAt(0.25, false).black);
  assert.ok(session.pass({ ...START, ...WORKED[3] }));
  assert.strictEqual(session.motionTime(), 0);
  console.log(`motion at T = 1.5: ${particles} particles, ${withTimelines.green} timeline segments`);

  // The boundary layer: the page's layer and polar are the renderer's CSV,
  // at the default Re, at a typed one and from a wing; its line gives the
  // renderer's summary numbers; a bad Re or wing is refused with a sentence
  // and changes nothing.
  const layerTexts = { ...START, DELTA: "0.12", GAMA: "0.04", Alfa: "4" };
  const nativeOut = (texts, extra) => {
    const args = [];
    for (const [field, key] of Object.entries(KEYS)) args.push(`--${key}`, texts[field]);
    return execFileSync(render, [...args, ...extra], { cwd: data, encoding: "utf8", maxBuffer: 1 << 28,
                                                       stdio: ["ignore", "pipe", "ignore"] });
  };
  const layerTotals = { rows: 0, numbers: 0, differing: 0, largest: 0 };
  const sameLayer = (extra) => {
    add(layerTotals, compareCsv(nativeOut(layerTexts, [...extra, "--boundary-layer", "-"]),
                                session.boundaryLayerCsv(), SURFACE_TOLERANCE, 2));
    add(layerTotals, compareCsv(nativeOut(layerTexts, [...extra, "--polar", "-"]), session.polarCsv(),
                                SURFACE_TOLERANCE, 1));
    const summary = JSON.parse(nativeOut(layerTexts, [...extra, "--json"]));
    const line = session.boundaryLayerText();
    const shown = (name) => new RegExp(`${name} = (-?[0-9.]+)`).exec(line)[1];
    assert.strictEqual(shown("C_D"), summary.C_D.toFixed(5), line);
    assert.ok(line.includes(`transition at x/c = ${summary.x_transition_upper.toFixed(3)}`), line);
    if (summary.lift_per_span_N !== undefined) {
      assert.ok(line.includes(`L' = ${summary.lift_per_span_N.toFixed(1)} N/m`), line);
    }
    return summary;
  };
  assert.ok(session.pass(layerTexts));
  assert.ok(session.segments(7).length > 0 && session.segments(8).length > 0);
  const layerLine = session.boundaryLayerText();
  assert.strictEqual(sameLayer([]).Re, 1e6);
  for (const bad of ["abc", "1e6 x", "999", "2e9", ""]) {
    assert.ok(/^The Reynolds number must /.test(session.setReynolds(bad)), bad);
    assert.strictEqual(session.boundaryLayerText(), layerLine);
  }
  assert.strictEqual(session.setReynolds(" 3e6 "), "");
  assert.ok(session.boundaryLayerText().startsWith("Re = 3e6: "), session.boundaryLayerText());
  sameLayer(["--re", "3e6"]);
  assert.ok(/speed/.test(session.setWing("-5", "0.3", "0")));
  assert.strictEqual(session.setWing("50", "0.3", "0"), "");
  assert.strictEqual(Number(session.reynoldsText()),
                     Math.round(sameLayer(["--speed", "50", "--chord", "0.3", "--altitude", "0"]).Re));
  session.clearWing();
  assert.strictEqual(session.setReynolds("1000000"), "");
  console.log(`boundary layer and polar: ${layerTotals.rows} rows as the renderer's; ${layerTotals.differing} of ` +
              `${layerTotals.numbers} numbers differ at all, by at most ${layerTotals.largest.toExponential(2)} relative`);

  // A refused parameter: no pass in either, and the page says why.
  assert.strictEqual(session.pass({ ...START, dR: "0" }), false);
  assert.ok(session.statusFailed() && /dR/.test(session.statusText()), session.statusText());
  assert.throws(() => nativeCsv({ ...START, dR: "0" }));
  // A table that is not one: the window's message, in the session's language
  // (English until set).
  assert.strictEqual(session.language(), "en");
  assert.strictEqual(session.loadTable("no table"), "The file KATJO-D20G15.txt was not found");

  // In Turkish: the same pass, its lines and pictures' words in Turkish, the
  // numbers as they were; only "tr" and "en" name a language.
  const thick = { ...START, DELTA: "0.2" };
  assert.ok(session.pass(thick));
  const english = { status: session.statusText(), lift: session.liftText(), pressure: session.pressureText() };
  assert.strictEqual(session.setLanguage("tr"), true);
  assert.strictEqual(session.setLanguage("<b>de</b>"), false);
  assert.strictEqual(session.language(), "tr");
  assert.strictEqual(session.loadTable("no table"), "KATJO-D20G15.txt dosyası bulunamadı");
  assert.ok(session.pass(thick));
  const numbers = (text) => text.match(/-?[0-9]+\.[0-9]+/g);
  for (const [name, turkish, prefix] of [["status", session.statusText(), "Kaldırma katsayısı C_L = "],
                                         ["lift", session.liftText(), "Eğim dC_L/dα = "],
                                         ["pressure", session.pressureText(), "Cp'nin integralinden C_L = "]]) {
    assert.ok(turkish.startsWith(prefix), turkish);
    assert.deepStrictEqual(numbers(turkish), numbers(english[name]), name);
  }
  const turkishLift = session.marks(5).filter((mark) => mark.kind === "text").map((mark) => mark.text);
  assert.ok(turkishLift.some((text) => text.endsWith("tam çözüm (Joukowski)")), turkishLift.join("|"));
  assert.ok(session.drawField("cp", ...fieldSize, 1));
  assert.ok(/: cismin içinde$/.test(session.probeAt(fieldSize[0] * 0.42, fieldSize[1] / 2, ...fieldSize)),
            session.probeAt(fieldSize[0] * 0.42, fieldSize[1] / 2, ...fieldSize));

  for (const [name, t] of Object.entries(totals)) {
    console.log(`${settings.length} passes, ${name}: ${t.rows} rows as the renderer's; ${t.differing} of ` +
                `${t.numbers} numbers differ at all, by at most ${t.largest.toExponential(2)} relative`);
  }
}

main().catch((error) => {
  console.error(error.stack || String(error));
  process.exit(1);
});
