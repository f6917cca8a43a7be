// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language, chosen in the head before anything is drawn, and its
// markup's texts put in that language while the browser parses them (before
// each of its frames): the first picture of the page is already in its
// language, and page.js finds nothing left to change. The texts are
// FLUVENNA_CATALOGUE, the page's entries of the catalogue made from the
// translation sources, which make_site.py writes into the page's head with
// this script; page.js takes the translating over (translatePage()), for
// its own texts and when the language is switched.
"use strict";

(function (scope) {
  // The languages of the page, as the address names them (?lang=tr|en).
  const LANGUAGES = ["tr", "en"];
  const NAMED = "[data-i18n], [data-i18n-aria-label], [data-language]";

  // The language the address asks for, or null: only "tr" and "en" count,
  // anything else (markup included) is ignored.
  function fromAddress() {
    const asked = new URLSearchParams(location.search).get("lang");
    return LANGUAGES.includes(asked) ? asked : null;
  }

  // The first of the browser's preferred languages that Fluvenna has (by its
  // prefix: "tr-TR" is Turkish); English when they name only others, the
  // window's Turkish when they name none.
  function preferred() {
    const named = navigator.languages && navigator.languages.length > 0
      ? Array.from(navigator.languages) : [navigator.language].filter(Boolean);
    for (const tag of named) {
      const prefix = String(tag).toLowerCase().split(/[-_]/)[0];
      if (LANGUAGES.includes(prefix)) return prefix;
    }
    return named.length > 0 ? "en" : "tr";
  }

  // The text a name "Context|source" has in `table` (one language of a
  // catalogue); the source itself where the table has none.
  function lookup(table, name) {
    const bar = name.indexOf("|");
    const source = name.slice(bar + 1);
    const key = name.slice(0, bar) + "\u0004" + source;
    return table && Object.prototype.hasOwnProperty.call(table, key) ? table[key] : source;
  }

  // One element's text, accessible name and pressed state in `language`,
  // each text found by `text(name)`. What already reads right is left
  // alone, so that the page is laid out again only where something changed.
  function translate(element, language, text) {
    const name = element.getAttribute("data-i18n");
    if (name !== null) {
      const own = text(name);
      const arg = element.getAttribute("data-i18n-arg");
      const wanted = arg === null ? own : own.replace("%1", () => arg);
      if (element.textContent !== wanted) element.textContent = wanted;
    }
    const label = element.getAttribute("data-i18n-aria-label");
    if (label !== null) {
      const wanted = text(label);
      if (element.getAttribute("aria-label") !== wanted) element.setAttribute("aria-label", wanted);
      if (element.classList.contains("fullscreen-button") && element.title !== wanted) element.title = wanted;
    }
    const own = element.getAttribute("data-language");
    if (own !== null) {
      const pressed = String(own === language);
      if (element.getAttribute("aria-pressed") !== pressed) element.setAttribute("aria-pressed", pressed);
    }
  }

  // Every named element of the page (and <html lang>) in `language`.
  function translatePage(language, text) {
    document.documentElement.lang = language;
    for (const element of document.querySelectorAll(NAMED)) translate(element, language, text);
  }

  const asked = fromAddress();
  const chosen = asked || preferred();
  const table = typeof FLUVENNA_CATALOGUE === "object" ? FLUVENNA_CATALOGUE[chosen] : null;
  const early = (name) => lookup(table, name);

  // What is parsed so far, then, until page.js takes over (or the markup
  // is all parsed), what has come since, before each time the browser
  // draws: an element whose text came in pieces is put right again there,
  // and translating leaves a translated element as it is.
  translatePage(chosen, early);
  let frame = requestAnimationFrame(function again() {
    translatePage(chosen, early);
    frame = requestAnimationFrame(again);
  });
  const parsed = () => {
    cancelAnimationFrame(frame);
    translatePage(chosen, early);
  };
  document.addEventListener("DOMContentLoaded", parsed, { once: true });
  function takeOver(language, text) {
    cancelAnimationFrame(frame);
    document.removeEventListener("DOMContentLoaded", parsed);
    translatePage(language, text);
  }

  // asked: the address's language (null: none); chosen: the page's language
  // at the start.
  // translatePage(language, text): every named element in `language`, for
  // page.js, whose texts then stay as it puts them.
  scope.FluvennaLanguage = { LANGUAGES, asked, chosen, fromAddress, preferred, lookup, translatePage: takeOver };
})(window);
