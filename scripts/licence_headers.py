#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the licence header at the top of every file git knows that has none
(after a shebang line, and after the XML declaration of an XML file). Files
that cannot hold a comment are listed in .reuse/dep5 and left alone; so are
the licence texts. `reuse lint` then checks the result.

Usage: scripts/licence_headers.py [FILE...]   (default: every tracked file)
"""
import fnmatch
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The tags are split so that `reuse lint` does not read them as this file's own.
COPYRIGHT_TAG = "SPDX" + "-FileCopyrightText: "
LICENCE_TAG = "SPDX" + "-License-Identifier: "
COPYRIGHT = COPYRIGHT_TAG + "2026 Fluvenna developers"
LICENCE = LICENCE_TAG + "GPL-3.0-or-later"
# The AppStream metadata is under the licence it declares as metadata_license.
OWN_LICENCE = {"packaging/org.example.Fluvenna.metainfo.xml.in": LICENCE_TAG + "CC0-1.0"}


def comment_style(path):
    """(line prefix, line suffix) of a comment in the file's language, or None."""
    name = os.path.basename(path)
    if path.endswith((".cpp", ".h", ".js")):
        return "// ", ""
    if path.endswith(".css"):
        return "/* ", " */"
    if path.endswith((".html", ".md", ".xml", ".xml.in")):
        return "<!-- ", " -->"
    if path.endswith(".1"):
        return '.\\" ', ""
    if (name in ("CMakeLists.txt", "Makefile", ".gitignore", ".clang-format", "run")
            or path.endswith((".cmake", ".py", ".sh", ".desktop", ".supp"))):
        return "# ", ""
    return None


def dep5_patterns():
    patterns = []
    with open(os.path.join(ROOT, ".reuse", "dep5")) as f:
        for line in f:
            if line.startswith("Files:"):
                patterns += line.split()[1:]
    return patterns


def annotate(path):
    full = os.path.join(ROOT, path)
    with open(full, encoding="utf-8") as f:
        text = f.read()
    if LICENCE_TAG in "".join(text.splitlines(keepends=True)[:4]):
        return False
    style = comment_style(path)
    if style is None:
        sys.exit(f"licence_headers: no comment style for {path}; list it in .reuse/dep5")
    prefix, suffix = style
    header = "".join(prefix + line + suffix + "\n"
                     for line in (COPYRIGHT, OWN_LICENCE.get(path, LICENCE)))
    first, _, rest = text.partition("\n")
    if first.startswith("#!") or first.startswith("<?xml"):
        text = first + "\n" + header + rest
    else:
        text = header + text
    with open(full, "w", encoding="utf-8") as f:
        f.write(text)
    return True


def main():
    files = sys.argv[1:] or subprocess.run(
        ["git", "ls-files"], cwd=ROOT, stdout=subprocess.PIPE, text=True,
        check=True).stdout.split()
    skipped = dep5_patterns() + ["LICENSE", "LICENSES/*", ".reuse/*"]
    changed = [p for p in files
               if not any(fnmatch.fnmatch(p, pattern) for pattern in skipped) and annotate(p)]
    print(f"licence_headers: {len(changed)} files given their header")


if __name__ == "__main__":
    main()
