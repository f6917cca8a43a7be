#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Fluvenna needs to build, test and run, and the
# page tests' npm packages (package-lock.json) into node_modules/.
# Quick and quiet when everything is already there.
#
# Usage: setup.sh [--build]
#   --build  only what configuring and building the program and its tests
#            needs: not the browser, Emscripten, clang or the npm packages,
#            which `make check` installs meanwhile.
set -euo pipefail

only_build=false
case "${1:-}" in
  "") ;;
  --build) only_build=true ;;
  *) echo "usage: setup.sh [--build]" >&2; exit 2 ;;
esac

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-tools-dev libgl-dev nlohmann-json3-dev libdeflate-dev
  libgtest-dev libgmock-dev libbenchmark-dev hyperfine
  xvfb xauth x11-utils imagemagick librsvg2-bin fonts-dejavu-core
  dpkg-dev help2man desktop-file-utils appstream lintian reuse
  nodejs python3
)
# Not needed to build: the browser edition, the browser the page's tests
# drive, and (make check) the sanitizer build, libFuzzer and the symbolizer
# of their reports.
if ! $only_build; then
  packages+=(
    emscripten node-acorn
    chromium chromium-driver python3-selenium
    clang-14 libclang-rt-14-dev llvm-14
  )
fi
# Debian's nodejs comes without npm, which is a package of its own there; a
# Node.js that bundles npm (NodeSource's, say) conflicts with that package.
# So Debian's npm only where no npm command is found.
if ! command -v npm >/dev/null 2>&1; then
  packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}" >&2
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The npm packages, exactly as locked; again only when the lock file changed.
cd "$(dirname "$0")/.."
if ! $only_build && ! [ node_modules/.installed -nt package-lock.json ]; then
  echo "setup: installing the npm packages of package-lock.json" >&2
  npm ci --no-audit --no-fund --loglevel=error >/dev/null
  touch node_modules/.installed
fi
