#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each libFuzzer target for SECONDS from its committed corpus
# (fuzz/corpus/<name>/), two at a time. New inputs go to a scratch directory, not into the
# corpus. Any finding (crash, broken property, sanitizer report, timeout,
# leak) fails the run; the input is kept in the scratch directory and named.
# Usage: scripts/fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:?usage: fuzz.sh BUILD_DIR SECONDS}"
seconds="${2:?usage: fuzz.sh BUILD_DIR SECONDS}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
[ -x "$ASAN_SYMBOLIZER_PATH" ] || { echo "fuzz: $ASAN_SYMBOLIZER_PATH is missing (scripts/setup.sh installs llvm-14)" >&2; exit 1; }

scratch="$(mktemp -d "${TMPDIR:-/tmp}/fluvenna-fuzz.XXXXXX")"
corpora=(pass table leading_number render_options page_address airfoil_file)
for corpus in "${corpora[@]}"; do
  [ -x "$build/fuzz/${corpus}_fuzzer" ] || { echo "fuzz: $build/fuzz/${corpus}_fuzzer was not built" >&2; exit 1; }
done

# One fuzzer from its corpus for the given time; its log in the scratch folder.
fuzz_one() {
  local corpus="$1"
  mkdir -p "$scratch/$corpus"
  "$build/fuzz/${corpus}_fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$scratch/$corpus-" "$scratch/$corpus" "$root/fuzz/corpus/$corpus" \
    >"$scratch/$corpus.log" 2>&1
}

# Two fuzzers at a time (the machines that run the check have two cores or
# more), each still for the full time.
results=()
for ((i = 0; i < ${#corpora[@]}; i += 2)); do
  batch=("${corpora[@]:i:2}")
  pids=()
  for corpus in "${batch[@]}"; do
    echo "fuzz: ${corpus}_fuzzer for $seconds s from fuzz/corpus/$corpus"
    fuzz_one "$corpus" &
    pids+=($!)
  done
  for j in "${!batch[@]}"; do
    corpus="${batch[$j]}"
    log="$scratch/$corpus.log"
    if ! wait "${pids[$j]}"; then
      tail -n 60 "$log" >&2
      echo "fuzz: ${corpus}_fuzzer found a failing input; see $scratch ($(ls "$scratch" | grep -E "^$corpus-" | tr '\n' ' '))" >&2
      wait
      exit 1
    fi
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    cov="$(grep -E '^#[0-9]+.*DONE' "$log" | sed -n 's/.*cov: \([0-9]*\).*/\1/p' | tail -n 1)"
    results+=("${corpus}_fuzzer: ${runs:-?} executions, coverage ${cov:-?} edges, no finding")
  done
done
rm -rf "$scratch"
printf 'fuzz: %s\n' "${results[@]}"
