#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program starts and shows its window: `fluvenna` runs on a virtual
# X server of its own (Xvfb, which picks a free display and says which once
# it takes connections), and the server's window list must hold a mapped
# window with the main window's title within 30 s.
# Usage: window_shown_test.sh XVFB FLUVENNA DATA_DIR
set -euo pipefail
xvfb="$1"
program="$2"
cd "$3"
# The title the window must have, then the environment it starts in (the
# user's language settings).
title="$4"
shift 4

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

"$xvfb" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 300); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"

env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@" QT_QPA_PLATFORM=xcb "$program" &
pids=("$!" "${pids[@]}")  # the program ends before its server
for _ in $(seq 300); do
  if ! kill -0 "${pids[0]}" 2>/dev/null; then
    echo "fluvenna ended before its window was shown" >&2
    exit 1
  fi
  # xwininfo may write a name outside ASCII with octal escapes; it fails
  # when a window goes away while it asks about it, and is asked again.
  ids=$( (xwininfo -root -tree 2>/dev/null || true) | python3 -c '
import re, sys
title = sys.argv[1].encode()
for line in sys.stdin.buffer:
    m = re.match(rb"\s*(0x[0-9a-f]+) \"(.*)\":", line)
    if m and re.sub(rb"\\([0-7]{3})", lambda o: bytes([int(o.group(1), 8)]), m.group(2)) == title:
        print(m.group(1).decode())
' "$title")
  for id in $ids; do
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      echo "window $id \"$title\" is shown on $DISPLAY"
      exit 0
    fi
  done
  sleep 0.1
done
echo "no shown window titled \"$title\" after 30 s" >&2
xwininfo -root -tree >&2 || true
exit 1
