// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page of Fluvenna in the browser: the window's controls and handlers.
// Every number comes from the C++ core (the module FluvennaCore), which runs
// in a worker beside the page (page_worker.js, reached through
// FluvennaBridge, page_bridge.js): the pass, the pictures it paints there,
// the status line, the CSV and the texts the scroll bars write. This script
// only moves values between the worker and the page, and waits for them
// without blocking it. Its own texts come from the catalogue
// made from the translation sources (FLUVENNA_CATALOGUE, written into the
// page with language.js, which chooses the language),
// which the window reads too: an element names its text as
// data-i18n="Context|source" and its accessible name as
// data-i18n-aria-label="Context|source".
"use strict";

(function () {
  // The eight text boxes, their field in the core's parameter texts and
  // their name in the address (the options of fluvenna-render).
  const TEXT_BOXES = [
    { id: "Text_DELTA", field: "DELTA", key: "delta" },
    { id: "Text_GAMA", field: "GAMA", key: "gamma" },
    { id: "Text_Alfa", field: "Alfa", key: "alpha" },
    { id: "Text_iKutta", field: "iKutta", key: "kutta" },
    { id: "Text_dPsi", field: "dPsi", key: "dpsi" },
    { id: "Text_kMax", field: "kMax", key: "nsl" },
    { id: "Text_Olcek", field: "Olcek", key: "scale" },
    { id: "Text_dR", field: "dR", key: "dr" },
  ];
  const TABLE_FILE = "KATJO-D20G15.txt";
  // Sections kept in scripts of their own (wing.js, profile.js): their
  // hooks, called when the module is ready, with the address, after each
  // drawn pass and when the address is written.
  const extras = window.FluvennaExtras || [];
  const LIGHT_YELLOW = "rgb(255, 255, 192)";
  const LONGEST_NAME_SHOWN = 40;
  // The page's language as chosen in the head, its languages and their
  // texts (language.js).
  const languages = window.FluvennaLanguage;
  const LANGUAGES = languages.LANGUAGES;
  const IGNORED_NOTE = "Page|Ignored in the address: %1.";

  const byId = (id) => document.getElementById(id);
  const bars = Array.from(document.querySelectorAll('.bar input[type="range"]'));
  // The plots, the surface pressure, the flow field and the lift curve; each
  // is its picture in the module (1 to 5).
  const pictures = ["Picture1", "Picture2", "Picture_Pressure", "Picture_Field", "Picture_Lift"].map(byId);
  const FIELD = 3;
  const status = byId("Label_Status");
  const colouring = byId("Field_Colouring");
  const probe = byId("Label_Probe");
  // The flow in motion over the field picture.
  const MOTION = 6; // the particles' picture in the module
  const motionCanvas = byId("Picture_Motion");
  const playButton = byId("Button_Play");
  const timelinesBox = byId("Check_Timelines");
  const intervalBox = byId("Spin_Interval");
  const PLAY = "fluvenna::Form_Field|Play";
  const PAUSE = "fluvenna::Form_Field|Pause";
  // Live: the address's name for it (?live=1), its switch, and the field's
  // samples per device pixel while a bar is dragged (sharpened on release):
  // at most DRAFT_DENSITY, less when the worker's frame would outlast
  // LIVE_FRAME_MS (a frame of a 60 Hz screen), never below DRAFT_LEAST.
  const LIVE_KEY = "live";
  const liveSwitch = byId("Live_Switch");
  const DRAFT_DENSITY = 0.5;
  const DRAFT_LEAST = 0.125;
  const LIVE_FRAME_MS = 1000 / 60;
  // The factor the density moves by from one frame to the next.
  const DRAFT_STEP = 1.25;
  const FULL_SCREEN = "Page|Full screen";
  const LEAVE_FULL_SCREEN = "Page|Leave full screen";
  // The room a picture leaves in full screen round itself, in CSS pixels
  // (the padding and the gaps of the full-screen layout).
  const FULL_SCREEN_MARGIN = 32;
  // The boundary layer: its pictures in the module (friction 7, polar 8),
  // what they show, its Re box and the wing's boxes.
  const layerPictures = [{ canvas: byId("Picture_Friction"), picture: 7 },
                         { canvas: byId("Picture_Polar"), picture: 8 }];
  const reBox = byId("Text_Re");
  const wingBox = byId("Check_Wing");
  const wingTexts = ["Text_Speed", "Text_Chord", "Text_Altitude"].map(byId);
  const refused = byId("Label_Refused");

  // The worker's bridge, its session (every method a promise) and the
  // module's constants; null before the module is started.
  let bridge = null;
  let session = null;
  let core = null;
  // The texts every position of every bar writes, made by the module at
  // the start: a bar moves its box at once.
  const barTexts = new Map();
  // Each picture's drawing area in CSS pixels, from the module.
  let sizes = [];
  let pendingNote = "";
  // The profile table's text, read but not yet loaded (null: loaded or not read).
  let tableText = null;
  let passes = 0;
  // The names in the address the page does not know, named once.
  let ignoredNames = [];
  let language = "tr";
  // Whether the address carries the language: when it was opened with one,
  // or after the page's switch.
  let languageInAddress = false;
  // The animation: whether it plays, the frame asked for (0: none), the
  // moment of the last frame (null: the next one starts the clock) and the
  // frames drawn so far.
  const motion = { playing: false, request: 0, last: null, frames: 0 };
  // Live dragging: whether it is on, the bar moved since the last frame (its
  // value is read when the frame comes, so a frame takes the newest), the
  // frame asked for (0: none), the passes drawn while dragging and the one
  // whose plots are awaited (0: none).
  // The field's part of the density while dragging follows the worker's time
  // for a frame (followFrameTime).
  const live = { on: false, bar: null, request: 0, passes: 0, drawing: 0, density: DRAFT_DENSITY };
  // How much larger than its drawing area each picture is shown (1, or the
  // fit of full screen).
  const scales = pictures.map(() => 1);
  // The Re the address carries: the text of the last one the page took
  // (null before it took one).
  let takenRe = null;
  // Whether the module has a drawn pass (its pictures are worth painting).
  let hasPass = false;
  // The pictures in view, and those a live frame left for later (they are
  // painted when seen).
  const inView = new Set();
  const stale = new Set();
  // Work under way for the page (passes, redraws); 0 when it has settled.
  let busy = 0;

  // Where the page is, for whoever waits for it: loading, module, table,
  // ready; and how many passes have been drawn.
  function setStage(stage) {
    document.body.dataset.stage = stage;
  }

  // Runs an async handler as one piece of the page's work: whoever waits
  // for the page (data-busy 0) waits for it; a failure is told on the
  // console rather than lost.
  function job(handler) {
    return async (...args) => {
      busy += 1;
      document.body.dataset.busy = String(busy);
      try {
        return await handler(...args);
      } catch (error) {
        console.error(error);
        return undefined;
      } finally {
        busy -= 1;
        document.body.dataset.busy = String(busy);
      }
    };
  }

  // --- The language -------------------------------------------------------

  // The text a name "Context|source" has in the page's language; the source
  // itself where the catalogue has none.
  function text(name) {
    return languages.lookup(typeof FLUVENNA_CATALOGUE === "object" ? FLUVENNA_CATALOGUE[language] : null, name);
  }

  // The sentence naming the address's unknown names, in the page's language.
  function ignoredNote() {
    return ignoredNames.length > 0 ? text(IGNORED_NOTE).replace("%1", () => ignoredNames.join(", ")) : "";
  }

  // Every text of the page in its language, and <html lang>: only what
  // differs changes (at the start, nothing: language.js has put the markup
  // in the page's language while it was parsed).
  function applyLanguage() {
    languages.translatePage(language, text);
  }

  // The language switch: the page's texts at once, and the session's (the
  // status line, the lines under the pictures and the pictures' words) with
  // a redraw when a pass has been drawn; the address keeps the choice.
  const switchLanguage = job(async (next) => {
    if (!LANGUAGES.includes(next) || next === language) return;
    language = next;
    languageInAddress = true;
    applyLanguage();
    if (session) await session.setLanguage(language);
    if (session && passes > 0) {
      await hesapla();
    } else {
      status.textContent = [status.textContent, ignoredNote()].filter(Boolean).join(" ");
      updateAddress(false);
    }
  });

  // --- The plots ----------------------------------------------------------

  // The device pixels of a drawing area of [width, height] CSS pixels shown
  // `scale` times as large.
  function pixelSize([width, height], scale = 1) {
    const density = (window.devicePixelRatio || 1) * scale;
    return [Math.round(width * density), Math.round(height * density)];
  }

  // Sizes a canvas's pixels to the screen's density (and the scale it is
  // shown at) and clears it to the background; the drawing area keeps its
  // size in CSS pixels.
  function clearPicture(canvas, size, scale = 1) {
    const [width, height] = pixelSize(size || [canvas.clientWidth, canvas.clientHeight], scale);
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
    }
    const context = canvas.getContext("2d");
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.fillStyle = LIGHT_YELLOW;
    context.fillRect(0, 0, canvas.width, canvas.height);
    return context;
  }

  // Every canvas the module paints: the plots, pressure, field and lift
  // (pictures 1 to 5), the boundary layer's (7, 8), each with its drawing
  // area in CSS pixels and the scale it is shown at.
  function canvasesOf() {
    return [
      ...pictures.map((canvas, i) => ({ canvas, picture: i + 1, size: sizes[i], scale: scales[i] })),
      ...layerPictures.map(({ canvas, picture }) => ({ canvas, picture, size: [core.plotWidth, core.plotHeight], scale: 1 })),
    ];
  }

  // The worker's picture painted onto its canvas (the background alone
  // before the first drawn pass).
  async function paintPicture({ canvas, picture, size, scale }) {
    stale.delete(canvas);
    if (!hasPass) {
      clearPicture(canvas, size, scale);
      return;
    }
    await bridge.paintInto(canvas, picture, size, scale);
  }

  // Paints pictures; with `seenOnly`, those out of view wait until they are
  // seen (a live frame's way: the work per frame is what shows).
  async function paintAll(entries, seenOnly = false) {
    const painted = [];
    for (const entry of entries) {
      if (seenOnly && !inView.has(entry.canvas)) stale.add(entry.canvas);
      else painted.push(paintPicture(entry));
    }
    await Promise.all(painted);
  }

  const repaint = job(async () => {
    await paintAll(canvasesOf());
    await drawMotion();
  });

  // Which pictures are in view; a picture left for later is painted once it
  // is seen.
  const paintWhenSeen = new IntersectionObserver(job(async (entries) => {
    const now = [];
    for (const entry of entries) {
      if (!entry.isIntersecting) {
        inView.delete(entry.target);
        continue;
      }
      inView.add(entry.target);
      if (stale.has(entry.target)) now.push(canvasesOf().find((c) => c.canvas === entry.target));
    }
    if (core) await paintAll(now.filter(Boolean));
  }));

  // --- The flow in motion ---------------------------------------------------

  // The particles and timelines of the module's animation time on the canvas
  // over the field picture, which stays as it is: no pass and no field are
  // drawn here. Nothing shows before the first play (time 0, paused), as in
  // the window. `elapsed`: the milliseconds the time moves on first.
  async function drawMotion(elapsed = null) {
    if (!session) return;
    const calls = motionCalls();
    if (elapsed !== null) calls.unshift({ method: "advanceMotion", args: [elapsed] });
    const answers = await bridge.batch(calls);
    showMotion(answers.slice(elapsed !== null ? 1 : 0));
  }

  // The requests for the animation time and the passes, and those that draw
  // the particles and paint them, unless `draw` is false (after a new pass
  // while paused: its time is 0, nothing shows); and the showing of their
  // answers.
  function motionCalls(draw = true) {
    const size = sizes[FIELD];
    const calls = [{ method: "motionTime", args: [] }, { method: "passCount", args: [] }];
    if (draw) {
      calls.push({ method: "drawMotion", args: [intervalBox.valueAsNumber, timelinesBox.checked, ...size] },
                 { method: "paint", args: [MOTION, ...size, ...pixelSize(size, scales[FIELD]), true] });
    }
    return calls;
  }

  function showMotion([time, corePasses, drawn, painted]) {
    const [width, height] = pixelSize(sizes[FIELD], scales[FIELD]);
    if ((motion.playing || time > 0) && drawn) {
      bridge.show(motionCanvas, painted);
    } else {
      if (motionCanvas.width !== width || motionCanvas.height !== height) {
        motionCanvas.width = width;
        motionCanvas.height = height;
      }
      motionCanvas.getContext("2d").clearRect(0, 0, width, height);
      if (painted && painted.close) painted.close();
    }
    document.body.dataset.motionTime = String(time);
    document.body.dataset.corePasses = String(corePasses);
  }

  // One frame: the time moves on by the real time since the last frame; the
  // next frame is asked for once this one is shown.
  const motionFrame = job(async (now) => {
    const elapsed = motion.last !== null ? now - motion.last : null;
    motion.last = now;
    await drawMotion(elapsed);
    motion.request = 0;
    motion.frames += 1;
    document.body.dataset.motionFrames = String(motion.frames);
    keepMotion();
  });

  // Frames are asked for while it plays and the page is seen (as the window's
  // timer runs only while its view is shown); the clock starts afresh after
  // a stop, so hidden time does not count.
  function keepMotion() {
    const run = motion.playing && !document.hidden;
    if (run && !motion.request) {
      motion.request = requestAnimationFrame(motionFrame);
    } else if (!run) {
      if (motion.request > 0) cancelAnimationFrame(motion.request);
      motion.request = 0;
      motion.last = null;
    }
    document.body.dataset.motion = run ? "running" : motion.playing ? "held" : "paused";
  }

  const play = job(async (on) => {
    motion.playing = on;
    playButton.dataset.i18n = on ? PAUSE : PLAY;
    playButton.textContent = text(playButton.dataset.i18n);
    motion.last = null;
    keepMotion();
    await drawMotion();
  });

  function wireMotion() {
    const unit = byId("Label_TimeUnit");
    unit.dataset.i18nArg = String(core.secondsPerTimeUnit);
    unit.textContent = text(unit.dataset.i18n).replace("%1", () => unit.dataset.i18nArg);
    playButton.addEventListener("click", () => play(!motion.playing));
    timelinesBox.addEventListener("change", job(() => drawMotion()));
    intervalBox.addEventListener("input", job(() => drawMotion()));
    document.addEventListener("visibilitychange", keepMotion);
  }

  // The flow field of the shown pass in the chosen colouring, sampled at the
  // canvas's device pixels (at a part of them for a draft while a bar is
  // dragged); nothing before the first pass.
  function fieldCall(draft) {
    const density = (window.devicePixelRatio || 1) * scales[FIELD] * (draft ? live.density : 1);
    return { method: "drawField", args: [colouring.value, ...sizes[FIELD], density] };
  }

  async function drawField(draft = false) {
    const call = fieldCall(draft);
    if (await session.drawField(...call.args)) document.body.dataset.fieldDensity = String(call.args[3]);
  }

  // --- The boundary layer ---------------------------------------------------

  // The module's answer to a new Re or wing: "" when taken (everything that
  // shows the boundary layer is drawn again), else the sentence why not,
  // shown in the section while all stays as it was.
  async function layerChanged(why) {
    refused.textContent = why;
    refused.hidden = !why;
    if (why) return;
    if (wingBox.checked) reBox.value = await session.reynoldsText();
    takenRe = reBox.value;
    if (passes > 0 && (await session.passCount()) > 0) {
      await drawField();
      byId("Label_BoundaryLayer").textContent = await session.boundaryLayerText();
      await repaint();
      for (const extra of extras) await extra.passDrawn();
    }
    updateAddress(passes > 0);
  }

  const takeReynolds = job(async () => {
    if (session && !wingBox.checked) await layerChanged(await session.setReynolds(reBox.value));
  });

  const takeWing = job(async () => {
    if (!session) return;
    reBox.readOnly = wingBox.checked;
    if (wingBox.checked) {
      await layerChanged(await session.setWing(...wingTexts.map((box) => box.value)));
    } else {
      await session.clearWing(); // Re stays the wing's
      await layerChanged("");
    }
  });

  // A saved text file of the drawn pass: the module's text under the name
  // `prefix` and the pass's stem.
  function saveText(button, method, prefix) {
    byId(button).addEventListener("click", job(async () => {
      const [content, stem] = await bridge.batch([{ method, args: [] }, { method: "fileStem", args: [] }]);
      save(new Blob([content], { type: "text/csv" }), `fluvenna-${prefix}${stem}.csv`);
    }));
  }

  function wireLayer() {
    reBox.addEventListener("change", takeReynolds);
    wingBox.addEventListener("change", takeWing);
    for (const box of wingTexts) box.addEventListener("change", () => wingBox.checked && takeWing());
    saveText("Save_Boundary_Layer_Csv", "boundaryLayerCsv", "boundary-layer-");
    saveText("Save_Polar_Csv", "polarCsv", "polar-");
  }

  // The probe's line for the point under the pointer, or the hint where the
  // picture shows no flow. A point waits while the one before is answered,
  // and only the newest waits.
  function probeAt(event) {
    probePoint(event.offsetX, event.offsetY);
  }

  const probing = { busy: false, next: null };
  function probePoint(x, y) {
    if (!session) return;
    probing.next = [x, y];
    if (!probing.busy) nextProbe();
  }

  const nextProbe = job(async () => {
    probing.busy = true;
    while (probing.next) {
      const [x, y] = probing.next;
      probing.next = null;
      const canvas = pictures[FIELD];
      const line = await session.probeAt(x, y, canvas.clientWidth, canvas.clientHeight);
      probe.textContent = line || text(probe.dataset.i18n);
    }
    probing.busy = false;
  });

  // The probe from the keyboard: the arrow keys move its point over the
  // focused field picture (Shift: five times as far), from the picture's
  // middle; its line says where it is.
  const PROBE_STEP = 4;
  const keyProbe = { x: null, y: null };
  function probeByKey(event) {
    const moves = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
    if (!(event.key in moves) || !session) return;
    event.preventDefault();
    const canvas = pictures[FIELD];
    const step = PROBE_STEP * (event.shiftKey ? 5 : 1);
    if (keyProbe.x === null) [keyProbe.x, keyProbe.y] = [canvas.clientWidth / 2, canvas.clientHeight / 2];
    keyProbe.x = Math.min(canvas.clientWidth - 1, Math.max(0, keyProbe.x + moves[event.key][0] * step));
    keyProbe.y = Math.min(canvas.clientHeight - 1, Math.max(0, keyProbe.y + moves[event.key][1] * step));
    probePoint(keyProbe.x, keyProbe.y);
  }

  // --- The conformal map ----------------------------------------------------

  // The circle plane, the morph at the slider's t and the airfoil plane, drawn
  // by the module (its pictures 9 to 11) while the section is open. The
  // pointer over any of them rings its point in all three; Play runs the
  // morph on the module's clock while the section is open and the page seen.
  const MAP_FIRST = 9;
  const mapCanvases = ["Picture_MapCircle", "Picture_MapMorph", "Picture_MapAirfoil"].map(byId);
  const mapDetails = byId("Map_Details");
  const morphSlider = byId("Slider_Morph");
  const morphLabel = byId("Label_Morph");
  const morphButton = byId("Button_PlayMorph");
  const mapPointerLine = byId("Label_MapPointer");
  const MORPH_PLAY = "fluvenna::Form_Map|Play";
  const MORPH_PAUSE = "fluvenna::Form_Map|Pause";
  const morph = { playing: false, request: 0, last: null, frames: 0 };
  // Whether the module has drawn the map (its pictures are worth painting).
  let mapDrawn = false;

  function mapSize() {
    return [core.plotWidth, core.plotHeight];
  }

  async function showMorph() {
    const [position, label] = await bridge.batch([{ method: "morphPosition", args: [] },
                                                  { method: "morphText", args: [] }]);
    morphSlider.value = String(position);
    morphLabel.textContent = label;
    document.body.dataset.morph = label;
  }

  async function paintMap(panels = [0, 1, 2]) {
    if (!core) return;
    await Promise.all(panels.map((i) => (mapDrawn ? bridge.paintInto(mapCanvases[i], MAP_FIRST + i, mapSize())
                                                   : clearPicture(mapCanvases[i], mapSize()))));
  }

  // All three pictures of the drawn pass, when the section is open.
  async function drawMap() {
    if (!session || !mapDetails.open) return;
    if (await session.drawMap()) {
      mapDrawn = true;
      byId("Label_Critical").textContent = await session.mapText();
    }
    await paintMap();
    await showMorph();
  }

  // The middle picture alone: t moved.
  async function drawMorph() {
    if (await session.drawMorph()) await paintMap([1]);
    await showMorph();
  }

  const morphFrame = job(async (now) => {
    let running = true;
    if (morph.last !== null) running = await session.advanceMorph(now - morph.last);
    morph.last = now;
    await drawMorph();
    morph.request = 0;
    morph.frames += 1;
    document.body.dataset.morphFrames = String(morph.frames);
    if (!running) await playMorph(false);
    else keepMorph();
  });

  function keepMorph() {
    const run = morph.playing && !document.hidden && mapDetails.open;
    if (run && !morph.request) {
      morph.request = requestAnimationFrame(morphFrame);
    } else if (!run) {
      if (morph.request) cancelAnimationFrame(morph.request);
      morph.request = 0;
      morph.last = null;
    }
    document.body.dataset.morphPlay = run ? "running" : morph.playing ? "held" : "paused";
  }

  async function playMorph(on) {
    // The button answers the press at once; the module's clock follows.
    morph.playing = on;
    morphButton.dataset.i18n = on ? MORPH_PAUSE : MORPH_PLAY;
    morphButton.textContent = text(morphButton.dataset.i18n);
    if (on) await session.playMorph();
    morph.last = null;
    keepMorph();
  }

  const pointMap = job(async (event, panel) => {
    if (!session || passes === 0) return;
    const canvas = mapCanvases[panel];
    const line = await session.mapPointerAt(panel, event.offsetX, event.offsetY,
                                            canvas.clientWidth, canvas.clientHeight);
    mapPointerLine.textContent = line || text(mapPointerLine.dataset.i18n);
    await drawMap();
  });

  function wireMap() {
    mapDetails.addEventListener("toggle", job(async () => {
      await drawMap();
      keepMorph();
    }));
    morphSlider.addEventListener("input", job(async () => {
      await session.setMorphPosition(Number(morphSlider.value));
      await drawMorph();
    }));
    morphButton.addEventListener("click", job(() => playMorph(!morph.playing)));
    mapCanvases.forEach((canvas, panel) => {
      canvas.addEventListener("pointermove", (event) => pointMap(event, panel));
      canvas.addEventListener("pointerdown", (event) => pointMap(event, panel));
      canvas.addEventListener("pointerleave", job(async () => {
        await session.clearMapPointer();
        mapPointerLine.textContent = text(mapPointerLine.dataset.i18n);
        await drawMap();
      }));
    });
    document.addEventListener("visibilitychange", keepMorph);
    window.addEventListener("resize", job(() => paintMap()));
  }

  // --- The pass -----------------------------------------------------------

  function readTexts() {
    const texts = {};
    for (const box of TEXT_BOXES) texts[box.field] = byId(box.id).value;
    return texts;
  }

  // The address follows the eight texts after a pass (`texts`), and the
  // language once it is chosen; before the first pass it keeps what it had.
  function updateAddress(texts = true) {
    const params = new URLSearchParams(texts ? "" : location.search);
    if (texts) for (const box of TEXT_BOXES) params.set(box.key, byId(box.id).value);
    if (live.on) params.set(LIVE_KEY, "1");
    else params.delete(LIVE_KEY);
    if (takenRe !== null) params.set("re", takenRe);
    if (languageInAddress) params.set("lang", language);
    for (const extra of extras) extra.address(params);
    try {
      history.replaceState(null, "", "?" + params.toString() + location.hash);
    } catch (error) {
      // A page opened from a file may not rewrite its address; it draws all the same.
    }
  }

  // The next animation frame, or a moment where the page is not drawn.
  const PICTURES_A_FRAME = 1;
  function nextFrame() {
    return new Promise((resolve) => {
      const timer = setTimeout(resolve, 100);
      requestAnimationFrame(() => {
        clearTimeout(timer);
        resolve();
      });
    });
  }

  // The request that paints a picture at its canvas's pixels.
  function paintCall({ picture, size, scale }) {
    return { method: "paint", args: [picture, ...size, ...pixelSize(size, scale)] };
  }

  // Pictures the worker painted onto their canvases, when the pass was
  // drawn (else the plots keep theirs).
  function showPainted(drawn, entries, painted) {
    if (!drawn) {
      for (const picture of painted) if (picture.close) picture.close();
      return;
    }
    hasPass = true;
    entries.forEach(({ canvas }, i) => {
      stale.delete(canvas);
      bridge.show(canvas, painted[i]);
    });
  }

  // One pass with the eight texts as they stand (hesapla), run by the worker:
  // the plots are shown first, then the field and the pictures below them
  // and every line. A draft (a live frame while a bar is dragged) samples the
  // field as coarsely as the frame's time asks, paints only the pictures in
  // view (the rest when they are seen or on release) and leaves the address
  // for the release.
  const hesapla = job(async (draft = false) => {
    if (!session) return;
    await loadTable();
    const line = (method) => ({ method, args: [] });
    const entries = canvasesOf();
    const field = fieldCall(draft);
    // A live frame asks for the plots, and right behind them (without
    // waiting for them) for the rest in view: the worker draws the frame in
    // one go while the page shows the plots, and the next frame may be asked
    // for as soon as they show. A pass of its own asks for all at once: the
    // plots and the pictures in view; those out of view are painted when
    // they are seen (each picture handed over costs the page's main thread).
    const first = draft ? entries.slice(0, 2) : entries.filter((entry, i) => i < 2 || inView.has(entry.canvas));
    const head = [
      { method: "pass", args: [readTexts()] }, line("statusText"), line("statusFailed"),
      line("pressureText"), line("liftText"), line("boundaryLayerText"),
      ...(draft ? [] : [field]), ...first.map(paintCall), ...(draft ? [] : motionCalls(motion.playing))];
    const asked = draft ? bridge.call("timed", "batch", [head]) : bridge.batch(head);
    const rest = draft ? askLiveRest(entries.slice(2), field) : null;
    const headAnswer = await asked;
    const answers = draft ? headAnswer.result : headAnswer;
    const [drawn, statusLine, failed, pressureLine, liftLine, layerLine] = answers;
    const heads = draft ? 6 : 7;
    const pictured = answers.slice(heads, heads + first.length);
    showPainted(drawn, first.slice(0, 2), pictured.slice(0, 2));
    status.textContent = [statusLine, pendingNote].filter(Boolean).join(" ");
    status.classList.toggle("failed", failed);
    pendingNote = "";
    if (draft) liveShown();
    if (drawn && !draft) {
      for (const entry of entries) if (!first.includes(entry)) stale.add(entry.canvas);
      // The pictures below the plots a frame after them, a few a frame, those
      // in view first: the browser hands a canvas's new pixels over in the
      // frame that shows them, and one frame with every picture would hold
      // the page up.
      const below = first.slice(2).map((entry, i) => ({ entry, picture: pictured[2 + i] }));
      below.sort((a, b) => Number(inView.has(b.entry.canvas)) - Number(inView.has(a.entry.canvas)));
      for (let i = 0; i < below.length; i += PICTURES_A_FRAME) {
        await nextFrame();
        const some = below.slice(i, i + PICTURES_A_FRAME);
        showPainted(true, some.map((one) => one.entry), some.map((one) => one.picture));
      }
      if (answers[6]) document.body.dataset.fieldDensity = String(field.args[3]);
      showMotion(answers.slice(heads + first.length));
    } else if (!drawn) {
      showPainted(false, first.slice(2), pictured.slice(2));
      if (rest) showPainted(false, [], (await rest.answer).result.flat());
    } else {
      const { shown, withField, answer } = rest;
      const { result: more, ms } = await answer;
      const fieldAnswer = withField ? more[0] : null;
      if (fieldAnswer && fieldAnswer.result) document.body.dataset.fieldDensity = String(field.args[3]);
      const from = withField ? 1 : 0;
      showPainted(true, shown, more.slice(from, from + shown.length));
      showMotion(more.slice(from + shown.length));
      if (fieldAnswer) followFrameTime(headAnswer.ms + ms, fieldAnswer.ms);
    }
    if (drawn) {
      byId("Label_BoundaryLayer").textContent = layerLine;
      byId("Label_Pressure").textContent = pressureLine;
      byId("Label_Lift").textContent = liftLine;
      for (const button of document.querySelectorAll(".save button")) button.disabled = false;
      playButton.disabled = false;
      motion.last = null; // the new curves' time 0 starts with the next frame
      morphSlider.disabled = false;
      morphButton.disabled = false;
      mapPointerLine.textContent = text(mapPointerLine.dataset.i18n); // the pointer is let go
      await drawMap();
      for (const extra of extras) await extra.passDrawn();
    }
    if (!draft) updateAddress();
    passes += 1;
    document.body.dataset.passes = String(passes);
    // Milliseconds from opening the page to its first drawn pass.
    if (drawn && !("firstPass" in document.body.dataset)) {
      document.body.dataset.firstPass = performance.now().toFixed(1);
    }
  });

  // --- The scroll bars ----------------------------------------------------

  // A change of a bar: its value into its own box, then a pass. A live
  // frame still asked for is dropped: this pass has the newest value.
  function barChanged(bar, draft = false) {
    if (!draft) {
      dropLiveFrame();
      for (const line of document.querySelectorAll("[aria-busy]")) line.removeAttribute("aria-busy");
    }
    byId(bar.dataset.text).value = barTexts.get(bar.id)[Number(bar.value) - Number(bar.min)];
    return hesapla(draft);
  }

  // The text every position of every bar writes, from the module, once.
  async function makeBarTexts() {
    const calls = [];
    for (const bar of bars) {
      for (let position = Number(bar.min); position <= Number(bar.max); ++position) {
        calls.push({ method: "barText", args: [position, Number(bar.dataset.divisor)] });
      }
    }
    const answers = await bridge.batch(calls);
    let next = 0;
    for (const bar of bars) {
      const count = Number(bar.max) - Number(bar.min) + 1;
      barTexts.set(bar.id, answers.slice(next, next + count));
      next += count;
    }
  }

  // --- Live dragging --------------------------------------------------------

  // A bar moved while dragged: one frame is asked for, as soon as the event
  // (and any others dispatched with it) is handled, and whatever moves before
  // it starts is taken by that frame (the newest value wins). At most one
  // frame is asked for beyond the one the worker draws: the next is asked for
  // once this one's plots show, while the worker still paints its field and
  // the pictures below, so that it is never idle while the thumb moves and
  // never more than a frame behind it.
  function liveMoved(bar) {
    live.bar = bar;
    if (!live.request && !live.drawing) {
      live.request = 1;
      queueMicrotask(liveFrame);
    }
    document.body.dataset.liveRequests = String(live.request);
  }

  async function liveFrame() {
    if (!live.request) return; // dropped
    live.request = 0;
    const bar = live.bar;
    live.bar = null;
    if (!bar || !session) return;
    // The lines change with every frame: a screen reader hears them once,
    // when the bar is released.
    for (const line of document.querySelectorAll("[aria-live]:not([aria-busy])")) line.setAttribute("aria-busy", "true");
    live.passes += 1;
    document.body.dataset.livePasses = String(live.passes);
    document.body.dataset.liveRequests = "0";
    const frame = live.passes;
    live.drawing = frame;
    await barChanged(bar, true);
    // Ended without showing its plots (none drawn): the next may start.
    if (live.drawing === frame) liveShown();
  }

  // The plots of the frame under way show: a thumb moved meanwhile asks for
  // the next frame.
  function liveShown() {
    if (!live.drawing) return;
    live.drawing = 0;
    if (live.bar && live.on) liveMoved(live.bar);
  }

  // The pictures below the plots a live frame paints: those in view, asked
  // for at once (the rest wait until seen, or for the release), with the
  // field, timed, when it is among them. Returns them and the worker's
  // promise of {result, ms}.
  function askLiveRest(entries, field) {
    const shown = entries.filter((entry) => inView.has(entry.canvas));
    for (const entry of entries) if (!shown.includes(entry)) stale.add(entry.canvas);
    const withField = shown.some((entry) => entry.canvas === pictures[FIELD]);
    const calls = [...(withField ? [{ method: "timed", args: [field.method, field.args] }] : []),
                   ...shown.map(paintCall), ...motionCalls(motion.playing)];
    return { shown, withField, answer: bridge.call("timed", "batch", [calls]) };
  }

  // The next draft's field density from this frame's: the worker took
  // `frameMs` for the whole frame, `fieldMs` of it for the field, whose time
  // grows as the square of the density (samples along both sides). The
  // field gets what the rest leaves of LIVE_FRAME_MS: one step coarser when
  // it took more, one finer when a finer field would still fit.
  function followFrameTime(frameMs, fieldMs) {
    const left = LIVE_FRAME_MS - (frameMs - fieldMs);
    let next = live.density;
    if (fieldMs > left) next /= DRAFT_STEP;
    else if (fieldMs * DRAFT_STEP * DRAFT_STEP <= left) next *= DRAFT_STEP;
    live.density = Math.min(DRAFT_DENSITY, Math.max(DRAFT_LEAST, next));
  }

  function dropLiveFrame() {
    live.request = 0;
    live.bar = null;
  }

  // The switch: the address keeps the choice (from the next pass on, or at
  // once before any).
  function setLive(on) {
    live.on = on;
    liveSwitch.setAttribute("aria-pressed", String(on));
    if (!on) dropLiveFrame();
    updateAddress(passes > 0);
  }

  // Moves a bar by some steps, stopping at its ends; a bar already at the end
  // does not change and runs no pass.
  function moveBar(bar, by) {
    const old = Number(bar.value);
    const next = Math.min(Number(bar.max), Math.max(Number(bar.min), old + by));
    if (next === old) return;
    bar.value = String(next);
    barChanged(bar);
  }

  function wireBar(bar) {
    const arrowStep = Number(bar.dataset.arrowStep);
    const trackStep = Number(bar.dataset.trackStep);
    const [down, up] = bar.parentElement.querySelectorAll(".arrow");
    down.addEventListener("click", () => session && moveBar(bar, -arrowStep));
    up.addEventListener("click", () => session && moveBar(bar, arrowStep));
    // A dragged thumb takes effect when it is released; with Live on, the
    // pictures follow it meanwhile.
    bar.addEventListener("change", () => session && barChanged(bar));
    bar.addEventListener("input", () => live.on && session && liveMoved(bar));
    // The keys of the window's scroll bars.
    bar.addEventListener("keydown", (event) => {
      const range = Number(bar.max) - Number(bar.min);
      const moves = {
        ArrowRight: arrowStep, ArrowUp: arrowStep, ArrowLeft: -arrowStep, ArrowDown: -arrowStep,
        PageUp: trackStep, PageDown: -trackStep, Home: -range, End: range,
      };
      if (!(event.key in moves)) return;
      event.preventDefault();
      if (session) moveBar(bar, moves[event.key]);
    });
  }

  // --- Full screen --------------------------------------------------------

  // Every element marked data-fullscreen (a plot, a section) gets a button
  // that shows it on the whole screen, in its head where it has one. A plot
  // keeps the designed tab order: its button is for the pointer, and the F
  // key on the focused plot does the same. An element naming a line
  // elsewhere (data-fullscreen-line) shows a copy of that line in full screen.
  function wireFullscreen() {
    for (const box of document.querySelectorAll("[data-fullscreen]")) {
      const button = document.createElement("button");
      button.type = "button";
      button.className = "fullscreen-button";
      button.dataset.i18nAriaLabel = FULL_SCREEN;
      if (box.querySelector('[tabindex="0"]')) button.tabIndex = -1;
      button.addEventListener("click", () => toggleFullscreen(box));
      (box.querySelector(".section-head") || box).appendChild(button);
      const lineId = box.dataset.fullscreenLine;
      if (lineId) {
        const source = byId(lineId);
        const copy = document.createElement("p");
        copy.className = "fullscreen-line";
        copy.setAttribute("aria-hidden", "true");
        const follow = () => { copy.textContent = source.textContent; };
        new MutationObserver(follow).observe(source, { childList: true, characterData: true, subtree: true });
        follow();
        box.appendChild(copy);
      }
    }
    document.addEventListener("fullscreenchange", fitFullscreen);
    // Escape leaves, where the browser leaves that key to the page.
    document.addEventListener("keydown", (event) => {
      if (event.key === "Escape" && document.fullscreenElement) document.exitFullscreen();
    });
    window.addEventListener("resize", () => document.fullscreenElement && fitFullscreen());
  }

  function toggleFullscreen(box) {
    if (document.fullscreenElement === box) {
      document.exitFullscreen();
    } else if (box.requestFullscreen) {
      box.requestFullscreen().catch(() => {}); // refused: the page stays as it is
    }
  }

  // Each picture at the largest scale of its drawing area that fits the
  // full-screen element beside the rest of it, and its pixels at the screen's
  // density for that size (the field sampled anew); 1 outside full screen.
  const fitFullscreen = job(async () => {
    const box = document.fullscreenElement;
    for (const button of document.querySelectorAll(".fullscreen-button")) {
      const on = box !== null && box.contains(button);
      button.dataset.i18nAriaLabel = on ? LEAVE_FULL_SCREEN : FULL_SCREEN;
      button.setAttribute("aria-label", text(button.dataset.i18nAriaLabel));
      button.title = button.getAttribute("aria-label");
    }
    pictures.forEach((canvas, i) => {
      canvas.style.width = canvas.style.height = "";
      scales[i] = 1;
      if (!box || !box.contains(canvas) || !sizes[i]) return;
      const holder = Array.from(box.children).find((child) => child.contains(canvas));
      let others = 0;
      for (const child of box.children) {
        if (child !== holder && getComputedStyle(child).position !== "absolute") others += child.offsetHeight;
      }
      const room = [box.clientWidth - FULL_SCREEN_MARGIN, box.clientHeight - others - FULL_SCREEN_MARGIN * 2];
      scales[i] = Math.max(1, Math.min(room[0] / sizes[i][0], room[1] / sizes[i][1]));
      canvas.style.width = `${sizes[i][0] * scales[i]}px`;
      canvas.style.height = `${sizes[i][1] * scales[i]}px`;
    });
    if (session) {
      await drawField();
      await repaint();
    }
    document.body.dataset.fullscreen = box ? box.id : "";
  });

  // --- Dialogs ------------------------------------------------------------

  function showMessage(text) {
    const box = byId("Message_Box");
    byId("Message_Text").textContent = text;
    if (!box.open) box.showModal();
    byId("Message_OK").focus();
  }

  function wireAbout() {
    const about = byId("Form_About");
    byId("Mn_About").addEventListener("click", () => {
      if (!about.open) about.show();
    });
    about.querySelector(".close").addEventListener("click", () => about.close());
    about.addEventListener("keydown", (event) => {
      if (event.key === "Escape") about.close();
    });
  }

  // --- Saving -------------------------------------------------------------

  function save(blob, name) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  function wireSaving() {
    const names = ["circle", "airfoil", "pressure", "field", "lift"];
    pictures.forEach((canvas, i) => {
      byId(`Save_${canvas.id}`).addEventListener("click", job(async () => {
        if (stale.has(canvas)) await paintAll(canvasesOf().filter((entry) => entry.canvas === canvas));
        const stem = await session.fileStem();
        canvas.toBlob((blob) => save(blob, `fluvenna-${names[i]}-${stem}.png`));
      }));
    });
    saveText("Save_Csv", "csv", "");
    saveText("Save_Surface_Csv", "surfaceCsv", "surface-");
    // The field's CSV holds the points the picture samples at its CSS size.
    byId("Save_Field_Csv").addEventListener("click", job(async () => {
      const [content, stem] = await bridge.batch([{ method: "fieldCsv", args: sizes[FIELD] },
                                                  { method: "fileStem", args: [] }]);
      save(new Blob([content], { type: "text/csv" }), `fluvenna-field-${stem}.csv`);
    }));
    saveText("Save_Lift_Csv", "liftCurveCsv", "lift-curve-");
  }

  // --- The address --------------------------------------------------------

  // Fills the boxes from the address (as values only, never as markup) and
  // moves each bar to the position of that value where it has one. Returns
  // whether any parameter was given, and a sentence naming unknown names.
  async function applyAddress() {
    const params = new URLSearchParams(location.search);
    const seen = new Set();
    const unknown = new Set();
    const moved = []; // the bars to move, once the module has found their positions
    for (const [key, value] of params) {
      if (key === "lang" || key === LIVE_KEY) continue; // chosen at the start
      if (extras.some((extra) => extra.keys.includes(key))) continue; // theirs
      if (key === "re") { // the boundary layer's Re, taken before the first pass
        if (!seen.has(key)) reBox.value = value;
        seen.add(key);
        continue;
      }
      const box = TEXT_BOXES.find((b) => b.key === key);
      if (!box) {
        unknown.add(key.length > LONGEST_NAME_SHOWN ? key.slice(0, LONGEST_NAME_SHOWN) + "…" : key);
        continue;
      }
      if (seen.has(key)) continue; // the first of repeated names counts
      seen.add(key);
      byId(box.id).value = value;
      const bar = bars.find((b) => b.dataset.text === box.id);
      if (bar) moved.push({ bar, value });
    }
    const positions = await bridge.batch(moved.map(({ bar, value }) => ({
      method: "barPositionOf", args: [value, Number(bar.min), Number(bar.max), Number(bar.dataset.divisor)] })));
    moved.forEach(({ bar }, i) => {
      if (positions[i] >= Number(bar.min)) bar.value = String(positions[i]);
    });
    ignoredNames = Array.from(unknown);
    // A section whose key names what to draw (the profile's ?naca=) draws at once too.
    let named = false;
    for (const extra of extras) named = (await extra.applyAddress(params)) === true || named;
    return { given: seen.size > 0 || named, note: ignoredNote() };
  }

  // --- Start --------------------------------------------------------------

  // The profile table into the session, once: the window's message when it
  // is missing or not a good table (the page goes on with the flat plate).
  async function loadTable() {
    if (tableText === null) return;
    const text = tableText;
    tableText = null;
    const failure = await session.loadTable(text);
    if (failure) showMessage(failure);
  }

  async function readTable(inline) {
    if (inline) return inline.table;
    try {
      const response = await fetch(TABLE_FILE, { cache: "no-cache" });
      return response.ok ? await response.text() : "";
    } catch (error) {
      return ""; // missing: the loader gives the window's message
    }
  }

  // The site is kept for use without a network once it has worked here: the
  // service worker stores it under the name of this build. Not for the page
  // in one file, nor from a disk.
  function keepOffline() {
    if (window.FluvennaInline || !("serviceWorker" in navigator) || !/^https?:$/.test(location.protocol)) return;
    navigator.serviceWorker.register("service-worker.js")
      .then(() => navigator.serviceWorker.ready)
      .then(() => { document.body.dataset.offline = "ready"; })
      .catch(() => { document.body.dataset.offline = "refused"; });
  }

  // Resolves once the browser has shown the page for the first time: the
  // module's worker and the table are fetched after it, since the module's
  // compiling and the first pass would take the processor, and the fetches
  // the network, from the browser's first showing of the page. A page out of
  // sight is not drawn, so it waits for nothing, and one hidden before its
  // first frame stops waiting; FIRST_FRAME_LIMIT_MS is the longest wait, for
  // a browser that never reports the frame (a busy machine may take over a
  // second to show a visible page).
  const FIRST_FRAME_LIMIT_MS = 5000;
  function firstFrameShown() {
    return new Promise((resolve) => {
      const types = typeof PerformanceObserver === "function" ? PerformanceObserver.supportedEntryTypes : null;
      if (!types || !types.includes("paint") || document.visibilityState === "hidden") {
        resolve();
        return;
      }
      let observer = null;
      let timer = 0;
      const shown = () => {
        observer.disconnect();
        clearTimeout(timer);
        document.removeEventListener("visibilitychange", hidden);
        resolve();
      };
      const hidden = () => {
        if (document.visibilityState === "hidden") shown();
      };
      observer = new PerformanceObserver(shown);
      timer = setTimeout(shown, FIRST_FRAME_LIMIT_MS);
      document.addEventListener("visibilitychange", hidden);
      observer.observe({ type: "paint", buffered: true });
    });
  }

  const start = job(async () => {
    setStage("loading");
    language = languages.chosen;
    languageInAddress = languages.asked !== null;
    live.on = new URLSearchParams(location.search).get(LIVE_KEY) === "1";
    liveSwitch.setAttribute("aria-pressed", String(live.on));
    liveSwitch.addEventListener("click", () => setLive(!live.on));
    wireFullscreen();
    applyLanguage();
    for (const button of document.querySelectorAll("[data-language]")) {
      button.addEventListener("click", () => switchLanguage(button.dataset.language));
    }
    bars.forEach(wireBar);
    wireAbout();
    wireSaving();
    // The pictures show their background (the canvases' own) until the
    // module paints them.
    pictures.slice(0, 2).forEach((canvas) => {
      canvas.addEventListener("click", () => hesapla());
      canvas.addEventListener("keydown", (event) => {
        if (event.key === "Enter" || event.key === " ") {
          event.preventDefault();
          hesapla();
        } else if (event.key === "f" || event.key === "F") {
          event.preventDefault();
          toggleFullscreen(canvas.closest("[data-fullscreen]"));
        }
      });
    });

    setStage("module");
    const inline = window.FluvennaInline;
    // The page is shown first; then the table is read while the worker
    // loads the module.
    await firstFrameShown();
    const tableRead = readTable(inline);
    bridge = await FluvennaBridge.open({ inline, language });
    session = bridge.session;
    core = bridge.constants;
    document.body.dataset.worker = bridge.inWorker ? "worker" : "page";
    sizes = pictures.map((canvas, i) => (i === FIELD ? [core.fieldWidth, core.plotHeight]
                                                    : [core.plotWidth, core.plotHeight]));
    await makeBarTexts();
    wireMotion();
    wireMap();
    wireLayer();
    for (const extra of extras) await extra.start({ core, session, bridge, updateAddress, pass: () => hesapla(), text, job });
    // Every picture shows its element's background (the plots' colour) until
    // the first pass paints it: a canvas drawn on at the start would only
    // hold the opening up. Those in view are known, so that a live frame
    // paints what shows.
    canvasesOf().forEach(({ canvas }) => paintWhenSeen.observe(canvas));
    // A new density: the field is sampled again at the new device pixels.
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener("change", job(async () => {
      await drawField();
      await repaint();
    }));
    colouring.addEventListener("change", job(async () => {
      await drawField();
      await paintAll(canvasesOf().slice(FIELD, FIELD + 1));
    }));
    pictures[FIELD].addEventListener("pointermove", probeAt);
    pictures[FIELD].addEventListener("pointerdown", probeAt);
    pictures[FIELD].addEventListener("keydown", probeByKey);
    window.addEventListener("resize", repaint);

    setStage("table");
    // A missing table is told at once; a table read is loaded by the first
    // pass.
    tableText = await tableRead;
    const tableFound = Boolean(tableText);
    if (!tableFound) await loadTable();

    // Unknown names are named once: with the first pass, or at once.
    const address = await applyAddress();
    setStage("ready");
    if (new URLSearchParams(location.search).has("re")) await takeReynolds();
    if (address.given) {
      pendingNote = address.note;
      await hesapla();
    } else if (address.note) {
      status.textContent = `${status.textContent} ${address.note}`;
    }
    // Stored for use without a network once what the page was opened for is
    // drawn: storing the site would take the network and the processor from
    // the first pass.
    if (tableFound) keepOffline();
  });

  start();
})();
