#!/usr/bin/env bash
# The full gate (`make check`, run by .ci/run): every step must pass, none is
# skipped; a missing compiler or sanitizer runtime fails its step. Prints the
# time of each step at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

steps=(
  "test:quick test suite (make test)"
  "sweep:sweep of every scroll-bar setting"
  "stress:window stress test"
  "sanitize-build:sanitizer build (clang-14, ASan + UBSan)"
  "sanitize:every test under the sanitizers"
  "fuzz:fuzzers, 30 s each"
)
summary=()
report() {
  echo
  echo "make check: time of each step"
  for line in "${summary[@]}"; do echo "  $line"; done
}
trap report EXIT

total_start=$SECONDS
for step in "${steps[@]}"; do
  target="${step%%:*}"
  title="${step#*:}"
  echo "=== make check: $title"
  start=$SECONDS
  if ! make --no-print-directory "$target"; then
    summary+=("$(printf '%-48s FAILED after %4d s' "$title" $((SECONDS - start)))")
    exit 1
  fi
  summary+=("$(printf '%-48s %4d s' "$title" $((SECONDS - start)))")
done
summary+=("$(printf '%-48s %4d s' "all steps" $((SECONDS - total_start)))")
