// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page of Fluvenna in the browser: the window's controls and handlers.
// Every number comes from the C++ core (the module FluvennaCore): the pass,
// the segments to stroke and the images and texts to draw, the status line,
// the CSV and the texts the scroll bars write. This script only moves values
// between the module and the page. Its own texts come from the catalogue
// made from the translation sources (FLUVENNA_CATALOGUE, catalogue.js),
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
  // Sections kept in scripts of their own (wing.js): their hooks, called
  // when the module is ready, with the address, after each drawn pass and
  // when the address is written.
  const extras = window.FluvennaExtras || [];
  const LIGHT_YELLOW = "rgb(255, 255, 192)";
  const LONGEST_NAME_SHOWN = 40;
  // The languages of the page, as the address names them (?lang=tr|en).
  const LANGUAGES = ["tr", "en"];
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
  // samples per device pixel while a bar is dragged (sharpened on release).
  const LIVE_KEY = "live";
  const liveSwitch = byId("Live_Switch");
  const DRAFT_DENSITY = 0.5;
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

  let core = null;
  let session = null;
  // What the plots show: segments, images and texts.
  let shown = pictures.map(() => ({ segments: new Float32Array(0), marks: [] }));
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
  // frame asked for (0: none) and the passes drawn while dragging.
  const live = { on: false, bar: null, request: 0, passes: 0 };
  // How much larger than its drawing area each picture is shown (1, or the
  // fit of full screen).
  const scales = pictures.map(() => 1);
  // What the boundary layer's pictures show, and the Re the address carries:
  // the text of the last one the page took (null before it took one).
  let layerShown = layerPictures.map(() => ({ segments: new Float32Array(0), marks: [] }));
  let takenRe = null;

  // Where the page is, for whoever waits for it: loading, module, table,
  // ready; and how many passes have been drawn.
  function setStage(stage) {
    document.body.dataset.stage = stage;
  }

  // --- The language -------------------------------------------------------

  // The language the address asks for, or null: only "tr" and "en" count,
  // anything else (markup included) is ignored.
  function addressLanguage() {
    const asked = new URLSearchParams(location.search).get("lang");
    return LANGUAGES.includes(asked) ? asked : null;
  }

  // The first of the browser's preferred languages that Fluvenna has (by its
  // prefix: "tr-TR" is Turkish); English when they name only others, the
  // design's Turkish when they name none.
  function preferredLanguage() {
    const named = navigator.languages && navigator.languages.length > 0
      ? Array.from(navigator.languages) : [navigator.language].filter(Boolean);
    for (const tag of named) {
      const prefix = String(tag).toLowerCase().split(/[-_]/)[0];
      if (LANGUAGES.includes(prefix)) return prefix;
    }
    return named.length > 0 ? "en" : "tr";
  }

  // The text a name "Context|source" has in the page's language; the source
  // itself where the catalogue has none.
  function text(name) {
    const bar = name.indexOf("|");
    const source = name.slice(bar + 1);
    const table = typeof FLUVENNA_CATALOGUE === "object" ? FLUVENNA_CATALOGUE[language] : null;
    const key = name.slice(0, bar) + "\u0004" + source;
    return table && Object.prototype.hasOwnProperty.call(table, key) ? table[key] : source;
  }

  // The sentence naming the address's unknown names, in the page's language.
  function ignoredNote() {
    return ignoredNames.length > 0 ? text(IGNORED_NOTE).replace("%1", () => ignoredNames.join(", ")) : "";
  }

  // Every text of the page in its language, and <html lang>.
  function applyLanguage() {
    document.documentElement.lang = language;
    for (const element of document.querySelectorAll("[data-i18n]")) {
      const own = text(element.dataset.i18n);
      const arg = element.dataset.i18nArg;
      element.textContent = arg === undefined ? own : own.replace("%1", () => arg);
    }
    for (const element of document.querySelectorAll("[data-i18n-aria-label]")) {
      element.setAttribute("aria-label", text(element.dataset.i18nAriaLabel));
      if (element.classList.contains("fullscreen-button")) element.title = element.getAttribute("aria-label");
    }
    for (const button of document.querySelectorAll("[data-language]")) {
      button.setAttribute("aria-pressed", String(button.dataset.language === language));
    }
  }

  // The language switch: the page's texts at once, and the session's (the
  // status line, the lines under the pictures and the pictures' words) with
  // a redraw when a pass has been drawn; the address keeps the choice.
  function switchLanguage(next) {
    if (!LANGUAGES.includes(next) || next === language) return;
    language = next;
    languageInAddress = true;
    applyLanguage();
    if (session) session.setLanguage(language);
    if (session && passes > 0) {
      hesapla();
    } else {
      status.textContent = [status.textContent, ignoredNote()].filter(Boolean).join(" ");
      updateAddress(false);
    }
  }

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

  function colourText(colour) {
    return `rgb(${colour & 255}, ${(colour >> 8) & 255}, ${(colour >> 16) & 255})`;
  }

  // Draws an image the canvas surface recorded: its pixels go onto a canvas
  // of their own (putImageData takes no transform), whose source rectangle
  // is then stretched over the recorded one, pixel for pixel as the window does.
  function drawImageMark(context, mark) {
    const own = document.createElement("canvas");
    own.width = mark.imageWidth;
    own.height = mark.imageHeight;
    own.getContext("2d").putImageData(new ImageData(mark.pixels, mark.imageWidth, mark.imageHeight), 0, 0);
    context.imageSmoothingEnabled = false;
    context.drawImage(own, mark.sourceLeft, mark.sourceTop, mark.sourceWidth, mark.sourceHeight,
                      mark.left, mark.top, mark.width, mark.height);
  }

  function drawTextMark(context, mark) {
    context.font = `${core.textPixels}px "DejaVu Sans", sans-serif`;
    context.textAlign = mark.align;
    context.textBaseline = "alphabetic";
    context.fillStyle = colourText(mark.colour);
    context.fillText(mark.text, mark.x, mark.y);
  }

  // Strokes the segments the canvas surface recorded and draws its images and
  // texts, all in the order they were recorded; they are already in the
  // drawing area's pixels.
  function paint(canvas, picture, size) {
    const context = clearPicture(canvas, size, scales[pictures.indexOf(canvas)]);
    if (!core) return;
    context.setTransform(canvas.width / size[0], 0, 0, canvas.height / size[1], 0, 0);
    stroke(context, picture);
  }

  function stroke(context, picture) {
    const { segments, marks } = picture;
    const stride = core.floatsPerSegment;
    let i = 0;
    let m = 0;
    for (;;) {
      // The images and texts recorded before the next segment.
      for (; m < marks.length && marks[m].before * stride <= i; ++m) {
        if (marks[m].kind === "image") drawImageMark(context, marks[m]);
        else drawTextMark(context, marks[m]);
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

  function repaint() {
    pictures.forEach((canvas, i) => paint(canvas, shown[i], sizes[i]));
    paintLayer();
    drawMotion();
  }

  // Paints a picture once it is seen (those below the first screen, on
  // opening the page).
  const paintWhenSeen = new IntersectionObserver((entries) => {
    for (const entry of entries) {
      if (!entry.isIntersecting) continue;
      paintWhenSeen.unobserve(entry.target);
      const i = pictures.indexOf(entry.target);
      paint(entry.target, shown[i], sizes[i]);
      if (i === FIELD) drawMotion();
    }
  });

  // --- The flow in motion ---------------------------------------------------

  // The particles and timelines of the module's animation time on the canvas
  // over the field picture, which stays as it is: no pass and no field are
  // drawn here. Nothing shows before the first play (time 0, paused), as in
  // the window.
  function drawMotion() {
    const size = sizes[FIELD];
    const [width, height] = pixelSize(size, scales[FIELD]);
    if (motionCanvas.width !== width || motionCanvas.height !== height) {
      motionCanvas.width = width;
      motionCanvas.height = height;
    }
    const context = motionCanvas.getContext("2d");
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.clearRect(0, 0, width, height);
    if (!session) return;
    const time = session.motionTime();
    if ((motion.playing || time > 0) &&
        session.drawMotion(intervalBox.valueAsNumber, timelinesBox.checked, ...size)) {
      context.setTransform(width / size[0], 0, 0, height / size[1], 0, 0);
      // Stroked at once from the module's memory: nothing calls it meanwhile.
      stroke(context, { segments: session.segments(MOTION), marks: [] });
    }
    document.body.dataset.motionTime = String(time);
    document.body.dataset.corePasses = String(session.passCount());
  }

  // One frame: the time moves on by the real time since the last frame.
  function motionFrame(now) {
    motion.request = 0;
    if (motion.last !== null) session.advanceMotion(now - motion.last);
    motion.last = now;
    drawMotion();
    motion.frames += 1;
    document.body.dataset.motionFrames = String(motion.frames);
    keepMotion();
  }

  // Frames are asked for while it plays and the page is seen (as the window's
  // timer runs only while its view is shown); the clock starts afresh after
  // a stop, so hidden time does not count.
  function keepMotion() {
    const run = motion.playing && !document.hidden;
    if (run && !motion.request) {
      motion.request = requestAnimationFrame(motionFrame);
    } else if (!run) {
      if (motion.request) cancelAnimationFrame(motion.request);
      motion.request = 0;
      motion.last = null;
    }
    document.body.dataset.motion = run ? "running" : motion.playing ? "held" : "paused";
  }

  function play(on) {
    motion.playing = on;
    playButton.dataset.i18n = on ? PAUSE : PLAY;
    playButton.textContent = text(playButton.dataset.i18n);
    motion.last = null;
    keepMotion();
    drawMotion();
  }

  function wireMotion() {
    byId("Label_TimeUnit").dataset.i18nArg = String(core.secondsPerTimeUnit);
    applyLanguage();
    playButton.addEventListener("click", () => play(!motion.playing));
    timelinesBox.addEventListener("change", drawMotion);
    intervalBox.addEventListener("input", drawMotion);
    document.addEventListener("visibilitychange", keepMotion);
  }

  // What a picture of the module shows, copied: the segments at once, since
  // the next call into the module may move its memory.
  function take(picture) {
    const segments = session.segments(picture).slice();
    return { segments, marks: session.marks(picture) };
  }

  // The flow field of the shown pass in the chosen colouring, sampled at the
  // canvas's device pixels (at a part of them for a draft while a bar is
  // dragged); nothing before the first pass.
  function drawField(draft = false) {
    const density = (window.devicePixelRatio || 1) * scales[FIELD] * (draft ? DRAFT_DENSITY : 1);
    if (session.drawField(colouring.value, ...sizes[FIELD], density)) {
      shown[FIELD] = take(FIELD + 1);
      document.body.dataset.fieldDensity = String(density);
    }
  }

  // --- The boundary layer ---------------------------------------------------

  function paintLayer() {
    layerPictures.forEach(({ canvas }, i) => paint(canvas, layerShown[i], [core.plotWidth, core.plotHeight]));
  }

  // The boundary layer's pictures and line of the drawn pass as the module
  // made them last; the pressure, lift and field pictures show it too.
  function takeLayer() {
    layerShown = layerPictures.map(({ picture }) => take(picture));
    byId("Label_BoundaryLayer").textContent = session.boundaryLayerText();
  }

  // The module's answer to a new Re or wing: "" when taken (everything that
  // shows the boundary layer is drawn again), else the sentence why not,
  // shown in the section while all stays as it was.
  function layerChanged(why) {
    refused.textContent = why;
    refused.hidden = !why;
    if (why) return;
    if (wingBox.checked) reBox.value = session.reynoldsText();
    takenRe = reBox.value;
    if (passes > 0 && session.passCount() > 0) {
      shown[2] = take(3); // the surface pressure, with its marks
      shown[4] = take(5); // the lift curve, with its shaded angles
      drawField();
      takeLayer();
      repaint();
      for (const extra of extras) extra.passDrawn();
    }
    updateAddress(passes > 0);
  }

  function takeReynolds() {
    if (session && !wingBox.checked) layerChanged(session.setReynolds(reBox.value));
  }

  function takeWing() {
    if (!session) return;
    reBox.readOnly = wingBox.checked;
    if (wingBox.checked) {
      layerChanged(session.setWing(...wingTexts.map((box) => box.value)));
    } else {
      session.clearWing(); // Re stays the wing's
      layerChanged("");
    }
  }

  function wireLayer() {
    reBox.addEventListener("change", takeReynolds);
    wingBox.addEventListener("change", takeWing);
    for (const box of wingTexts) box.addEventListener("change", () => wingBox.checked && takeWing());
    byId("Save_Boundary_Layer_Csv").addEventListener("click", () => {
      save(new Blob([session.boundaryLayerCsv()], { type: "text/csv" }),
           `fluvenna-boundary-layer-${session.fileStem()}.csv`);
    });
    byId("Save_Polar_Csv").addEventListener("click", () => {
      save(new Blob([session.polarCsv()], { type: "text/csv" }),
           `fluvenna-polar-${session.fileStem()}.csv`);
    });
  }

  // The probe's line for the point under the pointer, or the hint where the
  // picture shows no flow.
  function probeAt(event) {
    probePoint(event.offsetX, event.offsetY);
  }

  function probePoint(x, y) {
    if (!session) return;
    const canvas = pictures[FIELD];
    const line = session.probeAt(x, y, canvas.clientWidth, canvas.clientHeight);
    probe.textContent = line || text(probe.dataset.i18n);
  }

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
  let mapShown = mapCanvases.map(() => ({ segments: new Float32Array(0), marks: [] }));

  function mapSize() {
    return [core.plotWidth, core.plotHeight];
  }

  function showMorph() {
    morphSlider.value = String(session.morphPosition());
    morphLabel.textContent = session.morphText();
    document.body.dataset.morph = morphLabel.textContent;
  }

  function paintMap() {
    if (!core) return;
    mapCanvases.forEach((canvas, i) => paint(canvas, mapShown[i], mapSize()));
  }

  // All three pictures of the drawn pass, when the section is open.
  function drawMap() {
    if (!session || !mapDetails.open) return;
    if (session.drawMap()) {
      mapShown = mapCanvases.map((canvas, i) => take(MAP_FIRST + i));
      byId("Label_Critical").textContent = session.mapText();
    }
    paintMap();
    showMorph();
  }

  // The middle picture alone: t moved.
  function drawMorph() {
    if (session.drawMorph()) {
      mapShown[1] = take(MAP_FIRST + 1);
      paint(mapCanvases[1], mapShown[1], mapSize());
    }
    showMorph();
  }

  function morphFrame(now) {
    morph.request = 0;
    let running = true;
    if (morph.last !== null) running = session.advanceMorph(now - morph.last);
    morph.last = now;
    drawMorph();
    morph.frames += 1;
    document.body.dataset.morphFrames = String(morph.frames);
    if (!running) playMorph(false);
    else keepMorph();
  }

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

  function playMorph(on) {
    morph.playing = on;
    if (on) session.playMorph();
    morphButton.dataset.i18n = on ? MORPH_PAUSE : MORPH_PLAY;
    morphButton.textContent = text(morphButton.dataset.i18n);
    morph.last = null;
    keepMorph();
  }

  function pointMap(event, panel) {
    if (!session || passes === 0) return;
    const canvas = mapCanvases[panel];
    const line = session.mapPointerAt(panel, event.offsetX, event.offsetY,
                                      canvas.clientWidth, canvas.clientHeight);
    mapPointerLine.textContent = line || text(mapPointerLine.dataset.i18n);
    drawMap();
  }

  function wireMap() {
    mapDetails.addEventListener("toggle", () => {
      drawMap();
      keepMorph();
    });
    morphSlider.addEventListener("input", () => {
      session.setMorphPosition(Number(morphSlider.value));
      drawMorph();
    });
    morphButton.addEventListener("click", () => playMorph(!morph.playing));
    mapCanvases.forEach((canvas, panel) => {
      canvas.addEventListener("pointermove", (event) => pointMap(event, panel));
      canvas.addEventListener("pointerdown", (event) => pointMap(event, panel));
      canvas.addEventListener("pointerleave", () => {
        session.clearMapPointer();
        mapPointerLine.textContent = text(mapPointerLine.dataset.i18n);
        drawMap();
      });
    });
    document.addEventListener("visibilitychange", keepMorph);
    window.addEventListener("resize", paintMap);
    mapCanvases.forEach((canvas) => clearPicture(canvas, mapSize()));
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

  // One pass with the eight texts as they stand (hesapla). A draft (a live
  // frame while a bar is dragged) samples the field more coarsely and leaves
  // the address for the release.
  function hesapla(draft = false) {
    if (!session) return;
    loadTable();
    const drawn = session.pass(readTexts());
    showPlots(drawn);
    showRest(drawn, draft);
  }

  // The pass a link asks for on opening, as hesapla but in tasks of its own
  // (the table, the pass and its plots, the field, the rest), so that the
  // page answers in between.
  async function firstPass() {
    loadTable();
    await nextTask();
    const drawn = session.pass(readTexts());
    showPlots(drawn);
    await nextTask();
    if (drawn) drawField();
    await nextTask();
    showRest(drawn, false, true);
  }

  // What a pass drew, taken from the module, and the two plots painted.
  function showPlots(drawn) {
    if (!drawn) return;
    shown = pictures.map((canvas, i) => take(i + 1));
    pictures.slice(0, 2).forEach((canvas, i) => paint(canvas, shown[i], sizes[i]));
  }

  // The rest of a pass: the field (unless drawn already), the pictures
  // below the plots and every line; then the pass is counted.
  function showRest(drawn, draft, fieldDrawn = false) {
    if (drawn) {
      if (!fieldDrawn) drawField(draft);
      pictures.slice(2).forEach((canvas, i) => paint(canvas, shown[i + 2], sizes[i + 2]));
      takeLayer();
      paintLayer();
      drawMotion();
      byId("Label_Pressure").textContent = session.pressureText();
      byId("Label_Lift").textContent = session.liftText();
      for (const button of document.querySelectorAll(".save button")) button.disabled = false;
      playButton.disabled = false;
      motion.last = null; // the new curves' time 0 starts with the next frame
      morphSlider.disabled = false;
      morphButton.disabled = false;
      mapPointerLine.textContent = text(mapPointerLine.dataset.i18n); // the pointer is let go
      drawMap();
      for (const extra of extras) extra.passDrawn();
    }
    status.textContent = [session.statusText(), pendingNote].filter(Boolean).join(" ");
    status.classList.toggle("failed", session.statusFailed());
    pendingNote = "";
    if (!draft) updateAddress();
    passes += 1;
    document.body.dataset.passes = String(passes);
    // Milliseconds from opening the page to its first drawn pass.
    if (drawn && !("firstPass" in document.body.dataset)) {
      document.body.dataset.firstPass = performance.now().toFixed(1);
    }
  }

  // --- The scroll bars ----------------------------------------------------

  // A change of a bar: its value into its own box, then a pass. A live
  // frame still asked for is dropped: this pass has the newest value.
  function barChanged(bar, draft = false) {
    if (!draft) {
      dropLiveFrame();
      for (const line of document.querySelectorAll("[aria-busy]")) line.removeAttribute("aria-busy");
    }
    byId(bar.dataset.text).value = core.barText(Number(bar.value), Number(bar.dataset.divisor));
    hesapla(draft);
  }

  // --- Live dragging --------------------------------------------------------

  // A bar moved while dragged: one frame is asked for, and whatever moves
  // before it comes is taken by that frame; no pass waits behind another.
  function liveMoved(bar) {
    live.bar = bar;
    if (!live.request) live.request = requestAnimationFrame(liveFrame);
    document.body.dataset.liveRequests = String(live.request ? 1 : 0);
  }

  function liveFrame() {
    live.request = 0;
    const bar = live.bar;
    live.bar = null;
    if (!bar || !session) return;
    // The lines change with every frame: a screen reader hears them once,
    // when the bar is released.
    for (const line of document.querySelectorAll("[aria-live]")) line.setAttribute("aria-busy", "true");
    barChanged(bar, true);
    live.passes += 1;
    document.body.dataset.livePasses = String(live.passes);
    document.body.dataset.liveRequests = "0";
  }

  function dropLiveFrame() {
    if (live.request) cancelAnimationFrame(live.request);
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
  function fitFullscreen() {
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
    document.body.dataset.fullscreen = box ? box.id : "";
    if (!session) return;
    drawField();
    repaint();
  }

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
      byId(`Save_${canvas.id}`).addEventListener("click", () => {
        canvas.toBlob((blob) => save(blob, `fluvenna-${names[i]}-${session.fileStem()}.png`));
      });
    });
    byId("Save_Csv").addEventListener("click", () => {
      save(new Blob([session.csv()], { type: "text/csv" }), `fluvenna-${session.fileStem()}.csv`);
    });
    byId("Save_Surface_Csv").addEventListener("click", () => {
      save(new Blob([session.surfaceCsv()], { type: "text/csv" }),
           `fluvenna-surface-${session.fileStem()}.csv`);
    });
    // The field's CSV holds the points the picture samples at its CSS size.
    byId("Save_Field_Csv").addEventListener("click", () => {
      save(new Blob([session.fieldCsv(...sizes[FIELD])], { type: "text/csv" }),
           `fluvenna-field-${session.fileStem()}.csv`);
    });
    byId("Save_Lift_Csv").addEventListener("click", () => {
      save(new Blob([session.liftCurveCsv()], { type: "text/csv" }),
           `fluvenna-lift-curve-${session.fileStem()}.csv`);
    });
  }

  // --- The address --------------------------------------------------------

  // Fills the boxes from the address (as values only, never as markup) and
  // moves each bar to the position of that value where it has one. Returns
  // whether any parameter was given, and a sentence naming unknown names.
  function applyAddress() {
    const params = new URLSearchParams(location.search);
    const seen = new Set();
    const unknown = new Set();
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
      if (bar) {
        const position = core.barPositionOf(value, Number(bar.min), Number(bar.max),
                                            Number(bar.dataset.divisor));
        if (position >= Number(bar.min)) bar.value = String(position);
      }
    }
    ignoredNames = Array.from(unknown);
    for (const extra of extras) extra.applyAddress(params);
    return { given: seen.size > 0, note: ignoredNote() };
  }

  // --- Start --------------------------------------------------------------

  function decodeBase64(text) {
    return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
  }

  // The profile table into the session, once: the window's message when it
  // is missing or not a good table (the page goes on with the flat plate).
  function loadTable() {
    if (tableText === null) return;
    const failure = session.loadTable(tableText);
    tableText = null;
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

  // The module's script, loaded beside the page's (async) or inlined before it.
  function coreScript() {
    if (typeof FluvennaCore === "function") return Promise.resolve();
    const script = document.querySelector('script[src="fluvenna-core.js"]');
    return new Promise((resolve, reject) => {
      script.addEventListener("load", resolve);
      script.addEventListener("error", reject);
    });
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

  // A new task of the browser's, so that starting is no one long task: input
  // and painting may come between (a message, which a hidden page does not
  // hold back as it does timers).
  function nextTask() {
    return new Promise((resolve) => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => resolve();
      channel.port2.postMessage(0);
    });
  }

  async function start() {
    setStage("loading");
    language = addressLanguage() || preferredLanguage();
    languageInAddress = addressLanguage() !== null;
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
      canvas.addEventListener("click", hesapla);
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
    await coreScript();
    core = await FluvennaCore(inline ? { wasmBinary: decodeBase64(inline.wasm) } : {});
    await nextTask();
    session = new core.PageSession();
    session.setLanguage(language);
    sizes = pictures.map((canvas, i) => (i === FIELD ? [core.fieldPictureWidth(core.plotHeight), core.plotHeight]
                                                    : [core.plotWidth, core.plotHeight]));
    wireMotion();
    wireMap();
    wireLayer();
    for (const extra of extras) extra.start({ core, session, paint, take, updateAddress });
    // The plots at once; the pictures further down, still empty, when they
    // come into view (or with the first pass).
    pictures.forEach((canvas, i) => (i < 2 ? paint(canvas, shown[i], sizes[i]) : paintWhenSeen.observe(canvas)));
    paintLayer();
    await nextTask();
    // A new density: the field is sampled again at the new device pixels.
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener("change", () => {
      drawField();
      repaint();
    });
    colouring.addEventListener("change", () => {
      drawField();
      paint(pictures[FIELD], shown[FIELD], sizes[FIELD]);
    });
    pictures[FIELD].addEventListener("pointermove", probeAt);
    pictures[FIELD].addEventListener("pointerdown", probeAt);
    pictures[FIELD].addEventListener("keydown", probeByKey);
    window.addEventListener("resize", repaint);

    setStage("table");
    // A missing table is told at once; a table read is loaded by the first
    // pass, so that opening the page is quick.
    tableText = await readTable(inline);
    if (!tableText) loadTable();
    else keepOffline();

    setStage("ready");
    // Unknown names are named once: with the first pass, or at once.
    const address = applyAddress();
    if (new URLSearchParams(location.search).has("re")) takeReynolds();
    if (address.given) {
      pendingNote = address.note;
      await firstPass();
    } else if (address.note) {
      status.textContent = `${status.textContent} ${address.note}`;
    }
  }

  start();
})();
