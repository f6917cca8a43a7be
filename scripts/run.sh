#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Fluvenna from the folder that holds the profile table. Without a
# display it renders the default pass to image files instead.
# Usage: scripts/run.sh [BUILD_DIR]   (default: build; relative to the repository)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
case "$build" in
  /*) ;;
  *) build="$root/$build" ;;
esac

# The programs read KATJO-D20G15.txt from the working directory first, so
# that the source tree's table is the one drawn, installed or not.
cd "$root/data" 2>/dev/null || cd "$root"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): rendering the default pass with fluvenna-render instead."
  out="$root/out"
  mkdir -p "$out"
  "$build/cli/fluvenna-render" --png "$out/fluvenna" --svg "$out/fluvenna"
  echo "Pictures written to $out/: fluvenna-circle.png, fluvenna-airfoil.png, fluvenna-circle.svg, fluvenna-airfoil.svg"
  exit 0
fi

exec "$build/ui/fluvenna"
