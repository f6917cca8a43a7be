#!/usr/bin/env bash
# Starts Fluvenna from the folder that holds the profile table. Without a
# display it renders the default pass to image files instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/${1:-build}"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): rendering the default pass to files instead."
  mkdir -p "$root/out"
  cd "$root/data"
  QT_QPA_PLATFORM=offscreen "$build/cli/fluvenna-render" \
    --png "$root/out/fluvenna" --svg "$root/out/fluvenna"
  echo "Pictures written to $root/out/ (fluvenna-circle.png/.svg, fluvenna-airfoil.png/.svg)"
  exit 0
fi

cd "$root/data"
exec "$build/ui/fluvenna"
