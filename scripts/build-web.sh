#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition with Debian's Emscripten into build-web/ and
# assembles its static site in build-web/site/.
set -euo pipefail
cd "$(dirname "$0")/.."
# Debian's em++ runs its JavaScript optimizer under the system's Node, which
# finds Debian's acorn only here.
export NODE_PATH=/usr/share/nodejs
[ -f build-web/build.ninja ] || cmake --preset web >/dev/null
cmake --build build-web
