// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The finite wing's section of the page: the wing made of the drawn pass's
// section by lifting-line theory, worked out by the core (the session's
// FiniteWing) only while the section is open. This script moves values
// between its boxes, the address (?wing=8&taper=0.4&washout=2, and
// planform= unless the taper implies it) and the module; page.js calls its
// hooks (FluvennaExtras): start, applyAddress, passDrawn and address. The
// module answers through the page's bridge (page_bridge.js), so every call
// is awaited; the wing's picture is painted where the module runs.
"use strict";

(function () {
  const PICTURE = 12; // the wing's picture in the module
  const BOXES = ["Text_AR", "Combo_Planform", "Text_Taper", "Text_Washout"];
  const KEYS = ["wing", "planform", "taper", "washout"];
  const byId = (id) => document.getElementById(id);
  let api = null;
  // The shape the module took last, as the boxes had it (null: none yet).
  let taken = null;

  function values() {
    return BOXES.map((id) => byId(id).value);
  }

  function pictureSize() {
    return [2 * api.core.plotWidth, 2 * api.core.plotHeight];
  }

  // The four values into the module: "" taken, else its sentence in red and
  // everything stays as it was.
  async function takeShape() {
    const why = await api.session.setFiniteWing(...values());
    const refused = byId("Label_WingRefused");
    refused.textContent = why;
    refused.hidden = !why;
    document.body.dataset.wingRefused = why ? "1" : "0";
    if (why) return false;
    const [wing, planform, taper, washout] = values();
    taken = { wing, planform, taper, washout };
    return true;
  }

  // The wing of the drawn pass, when the section is open; before any pass,
  // its empty picture (painted when first opened, not at the start, which
  // it would only hold up).
  async function draw() {
    if (!api || !byId("Wing_Details").open) return;
    if ((await api.session.passCount()) === 0) {
      await api.bridge.paintInto(byId("Picture_Wing"), PICTURE, pictureSize());
      return;
    }
    if (taken === null) await takeShape();
    const drawn = await api.session.drawFiniteWing();
    if (drawn) {
      byId("Label_Wing").textContent = await api.session.finiteWingText();
      byId("Save_Wing_Csv").disabled = false;
    }
    await api.bridge.paintInto(byId("Picture_Wing"), PICTURE, pictureSize());
    api.updateAddress(true);
    // Counted last, when the picture, the line and the address all show it.
    if (drawn) document.body.dataset.wingDrawn = String(Number(document.body.dataset.wingDrawn || 0) + 1);
  }

  async function changed() {
    if (!(await takeShape())) return;
    await draw();
    api.updateAddress((await api.session.passCount()) > 0);
  }

  async function save() {
    const blob = new Blob([await api.session.finiteWingCsv()], { type: "text/csv" });
    const link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = `fluvenna-wing-${await api.session.fileStem()}.csv`;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  window.FluvennaExtras = window.FluvennaExtras || [];
  window.FluvennaExtras.push({
    keys: KEYS,
    // The module is ready: the boxes are wired.
    async start(pageApi) {
      api = pageApi;
      for (const id of ["Text_AR", "Text_Taper", "Text_Washout"]) {
        const box = byId(id);
        box.addEventListener("change", changed);
        box.addEventListener("keydown", (event) => {
          if (event.key === "Enter") changed();
        });
      }
      byId("Combo_Planform").addEventListener("change", changed);
      byId("Wing_Details").addEventListener("toggle", async () => {
        await draw();
        api.updateAddress((await api.session.passCount()) > 0);
      });
      byId("Save_Wing_Csv").addEventListener("click", save);
    },
    // The address's wing opens the section with its shape (the planform
    // "tapered" when only a taper is given); values only, never markup.
    async applyAddress(params) {
      if (!params.has("wing")) return;
      byId("Text_AR").value = params.get("wing");
      if (params.has("taper")) byId("Text_Taper").value = params.get("taper");
      if (params.has("washout")) byId("Text_Washout").value = params.get("washout");
      byId("Combo_Planform").value = params.get("planform") ||
        (params.has("taper") ? "tapered" : "rectangular");
      await takeShape();
      byId("Wing_Details").open = true;
    },
    passDrawn: draw,
    // The wing's keys while the section is open and has a shape.
    address(params) {
      for (const key of KEYS) params.delete(key);
      if (!taken || !byId("Wing_Details").open) return;
      params.set("wing", taken.wing);
      if (taken.planform === "tapered") params.set("taper", taken.taper);
      else params.set("planform", taken.planform);
      params.set("washout", taken.washout);
    },
  });
})();
