// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The profile's section of the page: a NACA section or a coordinate file
// (Selig or Lednicer .dat) in place of the designed Joukowski profile of
// delta and gamma, as the window's Profile window offers it. The session
// reads the code or the file's bytes, builds its map and answers "" or one
// sentence why it refused it (then the profile in use stays); this script
// only moves the choice there and shows the answers. A file is opened with
// the section's button or dropped on the airfoil plot; its bytes go to the
// module beside the page and nowhere else. The address keeps a NACA code
// (?naca=4412); a file's points are not put into it. page.js calls its hooks
// (FluvennaExtras): start, applyAddress, passDrawn and address.
"use strict";

(function () {
  const KEYS = ["naca"];
  // The controls that choose the designed profile: inactive while another
  // one is in use, as in the window.
  const DESIGNED = ["Text_DELTA", "HScroll_Delta", "Text_GAMA", "HScroll_Gama"];
  const DESIGNED_BARS = ["Bar_DELTA", "Bar_GAMA"];
  const TITLE = "fluvenna::Form1|Joukowsky profili etrafında akım çizgileri";
  const TITLE_OF = "fluvenna::Form_Profile|Streamlines around %1";
  const JOUKOWSKI_LINE = "fluvenna::Form_Profile|The Joukowski profile of the table row chosen by δ and γ.";
  const UNREADABLE = "fluvenna::Form_Profile|%1 cannot be read: %2";
  const byId = (id) => document.getElementById(id);
  let api = null;
  // The profile in use as the page chose it: "joukowski", "naca" or "file",
  // and for "naca" the code as it was taken (for the address).
  const inUse = { kind: "joukowski", code: "" };
  // The language the section's report was shown in.
  let shownIn = "";

  // A text of the catalogue with its %1 and %2.
  function text(name, ...args) {
    return args.reduce((line, arg, i) => line.replace(`%${i + 1}`, () => arg), api.text(name));
  }

  // The window's title and the page's heading name the profile in use
  // (applyLanguage keeps them in the page's language).
  function showTitle(name) {
    for (const element of [document.querySelector("title"), document.querySelector(".titlebar h1")]) {
      element.dataset.i18n = name ? TITLE_OF : TITLE;
      if (name) element.dataset.i18nArg = name;
      else delete element.dataset.i18nArg;
      element.textContent = name ? text(TITLE_OF, name) : text(TITLE);
    }
  }

  // The section, the δ and γ controls and the title as the profile in use has them.
  async function showProfile() {
    const [name, report] = await api.bridge.batch([{ method: "profileName", args: [] },
                                                   { method: "profileText", args: [] }]);
    const designed = !name;
    if (designed) inUse.kind = "joukowski";
    byId("Option_Joukowski").checked = designed;
    byId("Option_Naca").checked = inUse.kind === "naca";
    byId("Option_File").checked = inUse.kind === "file";
    byId("Option_File").disabled = inUse.kind !== "file";
    const line = byId("Label_ProfileReport");
    if (designed) {
      line.dataset.i18n = JOUKOWSKI_LINE;
      line.textContent = text(JOUKOWSKI_LINE);
    } else {
      delete line.dataset.i18n;
      line.textContent = report;
    }
    for (const id of DESIGNED) byId(id).disabled = !designed;
    for (const id of DESIGNED_BARS) {
      byId(id).classList.toggle("inactive", !designed);
      for (const arrow of byId(id).querySelectorAll(".arrow")) arrow.disabled = !designed;
    }
    showTitle(name);
    shownIn = document.documentElement.lang;
    document.body.dataset.profile = name;
  }

  // The module's answer to a choice: "" taken (a drawn pass is drawn again
  // with it), else its sentence in red and everything stays as it was.
  async function answered(why, kind, code = "") {
    const refused = byId("Label_ProfileRefused");
    refused.textContent = why;
    refused.hidden = !why;
    document.body.dataset.profileRefused = why ? "1" : "0";
    if (!why) Object.assign(inUse, { kind, code });
    await showProfile();
    if (!why && (await api.session.passCount()) > 0) await api.pass();
    else api.updateAddress((await api.session.passCount()) > 0);
    document.body.dataset.profileAnswers = String(Number(document.body.dataset.profileAnswers || 0) + 1);
    return !why;
  }

  async function chooseJoukowski() {
    await api.session.setJoukowski();
    return answered("", "joukowski");
  }

  async function chooseNaca() {
    const code = byId("Text_Naca").value.trim();
    return answered(await api.session.setNaca(code), "naca", code);
  }

  // A file of the device: at most one byte more than a profile file may
  // have (a larger one is refused by its size), handed to the module as it is.
  async function chooseFile(file) {
    if (!file) return false;
    byId("Profile_Details").open = true;
    const most = await api.session.mostProfileFileBytes();
    let bytes;
    try {
      bytes = new Uint8Array(await file.slice(0, most + 1).arrayBuffer());
    } catch (error) {
      return answered(text(UNREADABLE, file.name, String(error && error.message || error)), "file");
    }
    return answered(await api.session.setProfileFile(bytes, file.name), "file");
  }

  // Whether a drag carries files (the only thing the airfoil plot takes).
  function carriesFiles(event) {
    return event.dataTransfer && Array.from(event.dataTransfer.types || []).includes("Files");
  }

  function wireDrop(target, job) {
    for (const type of ["dragenter", "dragover"]) {
      target.addEventListener(type, (event) => {
        if (!carriesFiles(event)) return;
        event.preventDefault();
        event.dataTransfer.dropEffect = "copy";
        target.classList.add("dropping");
      });
    }
    target.addEventListener("dragleave", () => target.classList.remove("dropping"));
    // A file let go anywhere else must not make the browser open it in
    // place of the page (and lose the student's settings): it is refused
    // there, and only the airfoil plot takes it.
    for (const type of ["dragover", "drop"]) {
      window.addEventListener(type, (event) => {
        if (!carriesFiles(event) || target.contains(event.target)) return;
        event.preventDefault();
        if (type === "dragover") event.dataTransfer.dropEffect = "none";
      });
    }
    target.addEventListener("drop", (event) => {
      target.classList.remove("dropping");
      if (!carriesFiles(event)) return;
      event.preventDefault();
      job(event.dataTransfer.files[0]);
    });
  }

  window.FluvennaExtras = window.FluvennaExtras || [];
  window.FluvennaExtras.push({
    keys: KEYS,
    // The module is ready: the section's controls and the plot's drop are wired.
    async start(pageApi) {
      api = pageApi;
      const naca = api.job(chooseNaca);
      const file = api.job(chooseFile);
      byId("Option_Joukowski").addEventListener("change", api.job(chooseJoukowski));
      byId("Option_Naca").addEventListener("change", naca);
      byId("Command_Naca").addEventListener("click", naca);
      byId("Text_Naca").addEventListener("keydown", (event) => {
        if (event.key === "Enter") naca();
      });
      const input = byId("File_Profile");
      byId("Command_Open").addEventListener("click", () => input.click());
      input.addEventListener("change", () => {
        const chosen = input.files[0];
        input.value = ""; // the same file may be opened again
        file(chosen);
      });
      wireDrop(byId("Plot2"), file);
      await showProfile();
    },
    // ?naca=CODE: the code is typed into the box and used, before the first
    // pass; a refused one says why in the opened section. Returns whether
    // the address named a profile (the page then draws at once).
    async applyAddress(params) {
      if (!params.has("naca")) return false;
      byId("Text_Naca").value = params.get("naca");
      byId("Profile_Details").open = true;
      await chooseNaca();
      return true;
    },
    // A pass in another language: the report in the session's (else the
    // section stands as it is).
    async passDrawn() {
      if (shownIn === document.documentElement.lang) return;
      await showProfile();
    },
    address(params) {
      for (const key of KEYS) params.delete(key);
      if (inUse.kind === "naca") params.set("naca", inUse.code);
    },
  });
})();
