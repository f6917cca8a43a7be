#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Assembles the static site of the browser edition.

Usage: make_site.py SITE_DIR MODULE_JS PAGE_FILE...

Copies the page files and the module (MODULE_JS and the .wasm beside it)
into SITE_DIR (the page runs the module in a worker, page_worker.js), and writes SITE_DIR/fluvenna.html: the same page in one file,
with its style, icon, scripts, module and profile table inlined, so that it
works when opened straight from a disk, without a server or a network.

The page's texts are the entries of the catalogue (catalogue.js, made from
the translation sources) that the page names: in its markup (data-i18n,
data-i18n-aria-label) and as "Context|source" strings in its scripts. They
are written into the page's head (FLUVENNA_CATALOGUE) with its head script
(language.js), which puts the markup in the page's language as it is
parsed: the page is drawn in its language from the first frame on, without
a request before it (the module's own texts are built into the module, so
the whole catalogue is not part of the site).

For the site itself it writes the web manifest (manifest.webmanifest, with
the icons icon-192.png and icon-512.png among the page files) and the
service worker (service-worker.js, from the page file service_worker.js),
which stores every file of the site under a name made of their hash: a new
build is a new store.
"""
import base64
import hashlib
import html.parser
import json
import os
import re
import shutil
import sys

WORKER_SOURCE = "service_worker.js"
WORKER = "service-worker.js"
MANIFEST = "manifest.webmanifest"
CATALOGUE = "catalogue.js"
HEAD_SCRIPT = "language.js"
# The page's scripts that name texts of the catalogue.
PAGE_SCRIPTS = ("page.js", "profile.js", "wing.js")
# The attributes by which an element of the markup names its texts.
NAMING_ATTRIBUTES = ("data-i18n", "data-i18n-aria-label")
# A text's name in a script: a string "Context|source" (a context is a name,
# possibly with ::, and has no spaces).
SCRIPT_NAME = re.compile(r'"([A-Za-z_][A-Za-z_:]*\|[^"\\]*)"')
# The manifest: the window's title bar blue, the plots' light yellow.
APP = {
    "name": "Fluvenna",
    "short_name": "Fluvenna",
    "description": "Streamlines around a Joukowsky airfoil",
    "start_url": "./",
    "scope": "./",
    "display": "standalone",
    "theme_color": "#3a6ea5",
    "background_color": "#ffffc0",
    "icons": [
        {"src": "icon-192.png", "sizes": "192x192", "type": "image/png"},
        {"src": "icon-512.png", "sizes": "512x512", "type": "image/png"},
        {"src": "fluvenna.svg", "sizes": "any", "type": "image/svg+xml"},
    ],
}


def write_offline_files(site, names):
    """The manifest, then the service worker storing `names`, the manifest
    and the page's address ("./") under the hash of them all."""
    with open(os.path.join(site, MANIFEST), "w", encoding="utf-8") as f:
        json.dump(APP, f, indent=1)
    stored = sorted(set(names) | {MANIFEST})
    digest = hashlib.sha256()
    for name in stored:
        with open(os.path.join(site, name), "rb") as f:
            digest.update(name.encode() + b"\0" + f.read())
    with open(os.path.join(site, WORKER), encoding="utf-8") as f:
        worker = f.read()
    worker = worker.replace("@CACHE@", "fluvenna-" + digest.hexdigest()[:16])
    worker = worker.replace("@FILES@", json.dumps(["./", *stored]))
    with open(os.path.join(site, WORKER), "w", encoding="utf-8") as f:
        f.write(worker)


class NamedTexts(html.parser.HTMLParser):
    """The "Context|source" names of the texts a page's markup names."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.names = set()

    def handle_starttag(self, tag, attrs):
        self.names.update(value for name, value in attrs if name in NAMING_ATTRIBUTES and value)


def page_catalogue(catalogue, page, scripts):
    """FLUVENNA_CATALOGUE, as a script: the entries of `catalogue` (in every
    language) of the texts that `page` and `scripts` name. An entry that
    reads as its source is left out, as is a name the catalogue lacks: the
    page shows the source."""
    parser = NamedTexts()
    parser.feed(page)
    names = set(parser.names)
    for script in scripts:
        code = "\n".join(line for line in script.splitlines() if not line.lstrip().startswith("//"))
        names.update(SCRIPT_NAME.findall(code))
    keys = {name.replace("|", "\u0004", 1) for name in names if "|" in name}
    texts = {language: {key: table[key] for key in sorted(keys)
                        if key in table and table[key] != key.split("\u0004", 1)[1]}
             for language, table in catalogue.items()}
    return ("// The page's texts (make_site.py, from catalogue.js).\n"
            "const FLUVENNA_CATALOGUE = " + json.dumps(texts, ensure_ascii=False, sort_keys=True, indent=0)
            + ";\n")


def inline_script(text):
    # A script element ends at the first "</"; keep it out of inlined code.
    return text.replace("</", "<\\/")


def main(site, module_js, page_files):
    os.makedirs(site, exist_ok=True)
    module_wasm = os.path.splitext(module_js)[0] + ".wasm"
    copied = []
    head_script = None
    catalogue = None
    scripts = []
    for path in [module_js, module_wasm, *page_files]:
        name = os.path.basename(path)
        if name in (HEAD_SCRIPT, CATALOGUE):
            with open(path, encoding="utf-8") as f:
                if name == HEAD_SCRIPT:
                    head_script = f.read()
                else:
                    script = f.read()
                    catalogue = json.loads(script[script.index("=") + 1:script.rindex(";")])
            continue
        if name in PAGE_SCRIPTS:
            with open(path, encoding="utf-8") as f:
                scripts.append(f.read())
        name = WORKER if name == WORKER_SOURCE else name
        shutil.copyfile(path, os.path.join(site, name))
        if name != WORKER:
            copied.append(name)
    index = os.path.join(site, "index.html")
    with open(index, encoding="utf-8") as f:
        page = f.read()
    head = '<script src="%s"></script>' % HEAD_SCRIPT
    if head not in page or head_script is None or catalogue is None:
        sys.exit("make_site.py: index.html and the page files must have %s, and %s must be given"
                 % (HEAD_SCRIPT, CATALOGUE))
    page = page.replace(head, "<script>\n%s%s</script>" % (
        inline_script(page_catalogue(catalogue, page, scripts)), inline_script(head_script)))
    with open(index, "w", encoding="utf-8") as f:
        f.write(page)
    write_offline_files(site, copied)

    def read(name, mode="r"):
        with open(os.path.join(site, name), mode, **({} if "b" in mode else {"encoding": "utf-8"})) as f:
            return f.read()

    page = read("index.html")
    module_name = os.path.basename(module_js)
    table = read("KATJO-D20G15.txt")
    wasm = base64.b64encode(read(os.path.basename(module_wasm), "rb")).decode("ascii")
    icon = base64.b64encode(read("fluvenna.svg", "rb")).decode("ascii")
    inline = (
        "<script>window.FluvennaInline = {wasm: \"%s\", table: %s};</script>\n"
        % (wasm, inline_script(json.dumps(table)))
    )
    replacements = {
        '<link rel="stylesheet" href="page.css">': "<style>\n%s</style>" % read("page.css"),
        'href="fluvenna.svg"': 'href="data:image/svg+xml;base64,%s"' % icon,
        'src="icon-192.png"': 'src="data:image/png;base64,%s"' % base64.b64encode(read("icon-192.png", "rb")).decode("ascii"),
        # The page in one file is no installable site: no manifest.
        '<link rel="manifest" href="%s">\n' % MANIFEST: "",
        '<link rel="apple-touch-icon" href="icon-192.png">\n': "",
        # In one file the module runs in the page: its script, the worker's
        # host and the bridge, all inlined.
        '<script src="page_bridge.js"></script>':
            inline + "".join("<script>\n%s</script>" % inline_script(read(name))
                             for name in (module_name, "page_worker.js", "page_bridge.js")),
        '<script src="wing.js"></script>': "<script>\n%s</script>" % inline_script(read("wing.js")),
        '<script src="profile.js"></script>': "<script>\n%s</script>" % inline_script(read("profile.js")),
        '<script src="page.js"></script>': "<script>\n%s</script>" % inline_script(read("page.js")),
    }
    for old, new in replacements.items():
        if old not in page:
            sys.exit("make_site.py: index.html has no %r" % old)
        page = page.replace(old, new)
    with open(os.path.join(site, "fluvenna.html"), "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
