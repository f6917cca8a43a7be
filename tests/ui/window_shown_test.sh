#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program starts and shows its window: `fluvenna` runs on a virtual
# X server (Xvfb), and the server's window list must hold a mapped window
# with the main window's title within 30 s.
# Usage: window_shown_test.sh FLUVENNA DATA_DIR   (run under xvfb-run)
set -euo pipefail
program="$1"
cd "$2"
title='Joukowsky profili etrafında akım çizgileri'
QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT
for _ in $(seq 300); do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "fluvenna ended before its window was shown" >&2
    exit 1
  fi
  # xwininfo may write a name outside ASCII with octal escapes.
  ids=$(xwininfo -root -tree | python3 -c '
import re, sys
title = sys.argv[1].encode()
for line in sys.stdin.buffer:
    m = re.match(rb"\s*(0x[0-9a-f]+) \"(.*)\":", line)
    if m and re.sub(rb"\\([0-7]{3})", lambda o: bytes([int(o.group(1), 8)]), m.group(2)) == title:
        print(m.group(1).decode())
' "$title")
  for id in $ids; do
    if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
      echo "window $id \"$title\" is shown"
      exit 0
    fi
  done
  sleep 0.1
done
echo "no shown window titled \"$title\" after 30 s" >&2
xwininfo -root -tree >&2
exit 1
