#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The full gate (`make check`, run by .ci/run): every step must pass, none is
# skipped; a missing compiler or sanitizer runtime fails its step. Prints the
# time of each step at the end.
#
# On a bare machine most of the setup is downloading and unpacking; the
# program's build needs only part of it. So the build's packages come first,
# and the rest (the browser, Emscripten, clang, the npm packages) is installed
# while the program compiles.
set -euo pipefail
cd "$(dirname "$0")/.."

rest_log="$(mktemp)"
rest_pid=""
start_rest_of_setup() {
  bash scripts/setup.sh >"$rest_log" 2>&1 &
  rest_pid=$!
}
wait_for_rest_of_setup() {
  if ! wait "$rest_pid"; then
    cat "$rest_log" >&2
    return 1
  fi
  cat "$rest_log"
}
# The sweep keeps both processors busy but for a moment at each end; the
# stress test, on one, runs beside it (make sweep and make stress, at once).
sweep_and_stress() {
  make --no-print-directory build
  (cd build && QT_QPA_PLATFORM=offscreen ctest -V -j 2 -L '^(sweep|stress)$')
}
# Not `make build`: its setup would run apt beside the one in the background.
build_program() {
  [ -f build/build.ninja ] || cmake --preset default >/dev/null
  cmake --build build
}

# A step: a make target, or "run" and a command (one of the functions above, say).
steps=(
  "run bash scripts/setup.sh --build:setup: the build's packages"
  "run start_rest_of_setup:setup: the rest begins, in the background"
  "run build_program:build of the program and its tests"
  "run wait_for_rest_of_setup:setup: the rest"
  "licences:licence of every file (reuse lint)"
  "test:quick test suite (make test)"
  "run sweep_and_stress:sweep of every scroll-bar setting, stress test"
  "sanitize-build:sanitizer build (clang-14, ASan + UBSan)"
  "sanitize:every test under the sanitizers"
  "fuzz:fuzzers, 15 s each, two at a time"
)
summary=()
report() {
  # A failed step leaves no install half done behind it.
  if [ -n "$rest_pid" ]; then wait "$rest_pid" 2>/dev/null || true; fi
  echo
  echo "make check: time of each step"
  for line in "${summary[@]}"; do echo "  $line"; done
}
trap report EXIT

# Wall-clock and processor time of a step (the machine may be shared).
exec 3>&2
TIMEFORMAT='%R %U %S'
timing="$(mktemp)"
total_start=$SECONDS
for step in "${steps[@]}"; do
  target="${step%%:*}"
  title="${step#*:}"
  echo "=== make check: $title"
  if [[ "$target" == "run "* ]]; then
    command=(${target#run })
  else
    command=(make --no-print-directory "$target")
  fi
  if { time "${command[@]}" 2>&3; } 2>"$timing"; then
    read -r wall user sys <"$timing"
    summary+=("$(awk -v t="$title" -v w="$wall" -v u="$user" -v s="$sys" \
      'BEGIN { printf "%-48s %6.0f s  (processor %4.0f s)", t, w, u + s }')")
  else
    read -r wall user sys <"$timing" || true
    summary+=("$(printf '%-48s FAILED after %.0f s' "$title" "${wall:-0}")")
    rm -f "$timing"
    exit 1
  fi
done
rm -f "$timing" "$rest_log"
summary+=("$(printf '%-48s %6d s' "all steps" $((SECONDS - total_start)))")
