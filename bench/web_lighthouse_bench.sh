#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Lighthouse (mobile, its default throttling) on the site served locally by
# python3 -m http.server: the bare page and a teacher's link that draws a pass
# on opening. Goal: at least 0.95 in each of the four categories, for both,
# and the main thread's total blocking time beside them.
# Usage: web_lighthouse_bench.sh SITE_DIR
set -euo pipefail
site=$(realpath "${1:-build-web/site}")
root=$(realpath "$(dirname "$0")/..")
lighthouse="$root/node_modules/.bin/lighthouse"
[ -x "$lighthouse" ] || { echo "web_lighthouse_bench.sh: no Lighthouse in node_modules (make setup)" >&2; exit 1; }
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
out=$(mktemp -d)
(cd "$site" && exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 >/dev/null 2>&1) &
server=$!
trap 'kill "$server" 2>/dev/null; rm -rf "$out"' EXIT
sleep 1
for address in "" "?delta=0.12&gamma=0.04&alpha=8&nsl=10"; do
  CHROME_PATH=/usr/bin/chromium "$lighthouse" "http://127.0.0.1:$port/$address" --quiet \
    --chrome-flags="--headless=new --no-sandbox" --output=json --output-path="$out/report.json" \
    --only-categories=performance,accessibility,best-practices,seo
  node -e '
    const r = require(process.argv[1]);
    const c = r.categories, a = r.audits;
    const score = (k) => c[k].score.toFixed(2);
    const low = Object.values(c).filter((k) => k.score < 0.95).map((k) => k.title);
    console.log(`Lighthouse (mobile) ${process.argv[2] || "the bare page"}: performance ${score("performance")}, ` +
      `accessibility ${score("accessibility")}, best practices ${score("best-practices")}, SEO ${score("seo")}; ` +
      `total blocking time ${a["total-blocking-time"].numericValue.toFixed(0)} ms, ` +
      `first contentful paint ${a["first-contentful-paint"].displayValue}, ` +
      `largest contentful paint ${a["largest-contentful-paint"].displayValue}, ` +
      `speed index ${a["speed-index"].displayValue}, CLS ${a["cumulative-layout-shift"].displayValue}` +
      (low.length ? `; below 0.95: ${low.join(", ")}` : "; goal 0.95 met in all four"));
    for (const [id, audit] of Object.entries(a)) {
      if (audit.score !== null && audit.score < 0.9 && audit.scoreDisplayMode === "binary")
        console.log(`  failed audit: ${id}: ${audit.title}`);
    }' "$out/report.json" "$address"
done
