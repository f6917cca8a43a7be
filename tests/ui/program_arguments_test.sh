#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program refuses a language it does not have before it opens a
# window: `fluvenna --lang xx` prints the usage, which names --lang and its
# two languages, and ends with status 2; a language it has is not refused.
# So does any other command line it cannot follow, as fluvenna-render does.
# Usage: program_arguments_test.sh FLUVENNA
set -uo pipefail
program="$1"
export QT_QPA_PLATFORM=offscreen
fail=0
for bad in xx "" "tr,en" "en " de-TR; do
  out=$(timeout 60 "$program" --lang "$bad" 2>&1)
  status=$?
  if [ "$status" -ne 2 ]; then
    echo "fluvenna --lang '$bad' ended with status $status, not 2" >&2
    fail=1
  fi
  if ! grep -q -- "--lang" <<<"$out" || ! grep -q "tr or en" <<<"$out"; then
    echo "fluvenna --lang '$bad' printed no usage:" >&2
    echo "$out" >&2
    fail=1
  fi
done
# Any other command line it cannot follow is refused the same way, before a
# window opens: an option it lacks, --lang without its value, a stray word.
for bad in "--bogus" "-x" "--lang" "stray"; do
  out=$(timeout 60 "$program" "$bad" 2>&1)
  status=$?
  if [ "$status" -ne 2 ]; then
    echo "fluvenna $bad ended with status $status, not 2" >&2
    fail=1
  fi
  if ! grep -q -- "--lang" <<<"$out"; then
    echo "fluvenna $bad printed no usage:" >&2
    echo "$out" >&2
    fail=1
  fi
done
# --help is the same usage, asked for: status 0.
if ! timeout 60 "$program" --help | grep -q -- "--lang"; then
  echo "fluvenna --help does not list --lang" >&2
  fail=1
fi
exit $fail
