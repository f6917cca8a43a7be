#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Audits the built page (build-web/site) with Lighthouse as a phone sees it
# (its default mobile emulation and throttling) in Debian's Chromium, and
# prints the four category scores. Lighthouse is the one package-lock.json
# locks (installed by make setup; or set LIGHTHOUSE to another one).
# Usage: scripts/lighthouse.sh [ADDRESS_QUERY] [REPORT.json]
set -euo pipefail
cd "$(dirname "$0")/.."
query=${1:-}
report=${2:-build-web/lighthouse.json}
lighthouse=${LIGHTHOUSE:-node_modules/.bin/lighthouse}
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site >/dev/null 2>&1 &
server=$!
trap 'kill "$server"' EXIT
sleep 0.5
CHROME_PATH=${CHROME_PATH:-/usr/bin/chromium} $lighthouse "http://127.0.0.1:$port/$query" --quiet \
  --chrome-flags="--headless=new --no-sandbox --disable-gpu" --output=json --output-path="$report" \
  --only-categories=performance,accessibility,best-practices,seo
python3 - "$report" <<'PY'
import json, sys
report = json.load(open(sys.argv[1]))
for key, category in report["categories"].items():
    print("%-15s %.2f" % (key, category["score"]))
audits = report["audits"]
for key in ("first-contentful-paint", "largest-contentful-paint", "total-blocking-time", "cumulative-layout-shift", "speed-index"):
    print("%-25s %s" % (key, audits[key]["displayValue"]))
for key, audit in sorted(audits.items()):
    if audit.get("score") is not None and audit["score"] < 0.9 and audit.get("scoreDisplayMode") in ("binary", "numeric", "metricSavings"):
        print("  failing: %s (%s)" % (key, audit["title"]))
PY
