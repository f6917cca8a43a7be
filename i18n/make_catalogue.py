#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the shared catalogue of Fluvenna's texts from the translation sources.

The Qt programs read the .ts files through Qt's own tools (lrelease, QTranslator).
The Qt-free code (the status line, the notes, the pictures' words) and the
browser page read the same files through what this script writes:

  make_catalogue.py --cpp OUT.cpp fluvenna_tr.ts fluvenna_en.ts
      a C++ table of every message: context, source, Turkish, English,
      sorted by context and source (bytewise) for a binary search;
  make_catalogue.py --js OUT.js fluvenna_tr.ts fluvenna_en.ts
      the same as a script for the page: FLUVENNA_CATALOGUE[lang][context + "\\u0004" + source].

  make_catalogue.py --check fluvenna_tr.ts fluvenna_en.ts
      fails (exit 1) when a message has no finished translation in either file,
      or when the two files do not list the same messages.

A message's language is named by the file's `language` attribute (tr_TR, en_US).
"""
import json
import sys
import xml.etree.ElementTree as ET


def read_ts(path):
    """{(context, source): (translation or None when unfinished)} and the language."""
    root = ET.parse(path).getroot()
    language = (root.get("language") or "")[:2]
    messages = {}
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("vanished", "obsolete"):
                continue
            text = translation.text if translation is not None else None
            finished = kind != "unfinished" and text is not None
            messages[(name, source)] = text if finished else None
    return language, messages


def cpp_string(text):
    out = []
    for byte in text.encode("utf-8"):
        c = chr(byte)
        if c == "\\" or c == '"':
            out.append("\\" + c)
        elif c == "\n":
            out.append("\\n")
        elif 32 <= byte < 127:
            out.append(c)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def main(argv):
    mode, rest = argv[1], argv[2:]
    out = None
    if mode in ("--cpp", "--js"):
        out, rest = rest[0], rest[1:]
    files = dict(read_ts(path) for path in rest)
    tr, en = files.get("tr", {}), files.get("en", {})
    keys = sorted(set(tr) | set(en), key=lambda k: (k[0].encode(), k[1].encode()))

    if mode == "--check":
        faults = []
        for key in keys:
            for language, messages in (("tr", tr), ("en", en)):
                if key not in messages:
                    faults.append(f"{language}: missing {key[0]}: {key[1]!r}")
                elif messages[key] is None:
                    faults.append(f"{language}: unfinished {key[0]}: {key[1]!r}")
        for fault in faults:
            print(fault, file=sys.stderr)
        print(f"{len(keys)} messages, {len(faults)} without a finished translation")
        return 1 if faults or not keys else 0

    def text(messages, key):
        return messages.get(key) or key[1]

    if mode == "--cpp":
        lines = [
            "// Made by i18n/make_catalogue.py from the translation sources; do not edit.",
            '#include "report/catalogue_data.h"',
            "",
            "namespace fluvenna {",
            "",
            "const CatalogueEntry kCatalogue[] = {",
        ]
        for key in keys:
            lines.append("    {%s, %s, %s, %s}," % (cpp_string(key[0]), cpp_string(key[1]),
                                                    cpp_string(text(tr, key)),
                                                    cpp_string(text(en, key))))
        lines += ["};", "const std::size_t kCatalogueSize = %d;" % len(keys), "",
                  "}  // namespace fluvenna", ""]
        content = "\n".join(lines)
    else:
        table = {"tr": {}, "en": {}}
        for key in keys:
            table["tr"][key[0] + "\u0004" + key[1]] = text(tr, key)
            table["en"][key[0] + "\u0004" + key[1]] = text(en, key)
        content = ("// Made by i18n/make_catalogue.py from the translation sources.\n"
                   "const FLUVENNA_CATALOGUE = " + json.dumps(table, ensure_ascii=False,
                                                             sort_keys=True, indent=0) + ";\n")
    with open(out, "w", encoding="utf-8") as f:
        f.write(content)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
