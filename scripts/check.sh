#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The full gate (`make check`, run by .ci/run): every step must pass, none is
# skipped; a missing compiler or sanitizer runtime fails its step. Prints the
# time of each step at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

steps=(
  "licences:licence of every file (reuse lint)"
  "test:quick test suite (make test)"
  "sweep:sweep of every scroll-bar setting"
  "stress:window stress test"
  "sanitize-build:sanitizer build (clang-14, ASan + UBSan)"
  "sanitize:every test under the sanitizers"
  "fuzz:fuzzers, 15 s each, two at a time"
)
summary=()
report() {
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
  if { time make --no-print-directory "$target" 2>&3; } 2>"$timing"; then
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
rm -f "$timing"
summary+=("$(printf '%-48s %6d s' "all steps" $((SECONDS - total_start)))")
