#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every text of the sources has a finished Turkish and English translation.

lupdate reads the sources afresh into copies of the translation sources
(the committed files stay as they are); a text that is new or changed there
has no finished translation, and the catalogue's check fails on it.

Usage: translations_test.py LUPDATE CMAKE GENERATE_PROJECT PROJECT_CMAKE I18N_DIR
(the project that qt_add_translations describes is turned into lupdate's
JSON by Qt's own GENERATE_PROJECT script, as its update target does)
"""
import os
import shutil
import subprocess
import sys
import tempfile

lupdate, cmake, generate, project_cmake, i18n = sys.argv[1:6]
catalogue = os.path.join(i18n, "make_catalogue.py")
with tempfile.TemporaryDirectory() as work:
    project = os.path.join(work, "project.json")
    subprocess.run([cmake, "-DIN_FILE=" + project_cmake, "-DOUT_FILE=" + project, "-P", generate],
                   check=True)
    copies = []
    for name in ("fluvenna_tr.ts", "fluvenna_en.ts"):
        copies.append(os.path.join(work, name))
        shutil.copy(os.path.join(i18n, name), copies[-1])
    subprocess.run([lupdate, "-project", project, "-no-obsolete", "-locations", "none",
                    "-silent", "-ts", *copies], check=True)
    sys.exit(subprocess.run([sys.executable, catalogue, "--check", *copies]).returncode)
