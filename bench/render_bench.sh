#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Speed of fluvenna-render as a user meets it: the whole process, start to
# exit, timed by hyperfine from a fresh folder that holds the committed
# profile table. Goals on a two-core machine: the default pictures (--png)
# at most 30 ms, the summary as JSON (--json) at most 10 ms. The machine may be
# shared: the fastest run shows what the program costs, the median what the
# machine gave it.
#
# Usage: render_bench.sh RENDER_PROGRAM [RUNS]
set -euo pipefail
program="$(realpath "$1")"
runs="${2:-40}"
here="$(cd "$(dirname "$0")/.." && pwd)"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp "$here/data/KATJO-D20G15.txt" "$folder/"
cd "$folder"

pass="--delta 0.12 --gamma 0.04 --alpha 8 --nsl 10"
hyperfine --shell=none --warmup 3 --runs "$runs" --export-json times.json \
  --command-name "fluvenna-render --png (goal: 30 ms)" "$program $pass --png out" \
  --command-name "fluvenna-render --json (goal: 10 ms)" "$program $pass --json"

# The fastest run and the median of each, in milliseconds.
/usr/bin/python3 - times.json <<'PY'
import json, sys
for r in json.load(open(sys.argv[1]))["results"]:
    print(f"{r['command']:40s} min {1000 * r['min']:6.1f} ms   median {1000 * r['median']:6.1f} ms")
PY
