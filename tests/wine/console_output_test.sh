#!/usr/bin/env bash
# Usage: console_output_test.sh SCRIPT_EXE WINE_RUN...   (the emulator's command)
# biorhythm-script on a console (Wine's, on a terminal of the test's own)
# shows the same Japanese text, on standard output and standard error, as it
# writes in UTF-8 into a file: a console would read those bytes in its own
# code page (932 on a Japanese Windows, 437 here) and garble them.
set -euo pipefail
driver=$1
wine_run=("${@:2}")
# Wine turns what the console shows into the locale's encoding.
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The help on standard output; a folder that is not there, on standard error.
for args in '--help' '--dir Z:\nonexistent'; do
  read -ra argv <<<"$args"
  file_status=0 console_status=0
  "${wine_run[@]}" "$driver" "${argv[@]}" >"$work/file" 2>&1 || file_status=$?
  "${wine_run[@]}" --console "$driver" "${argv[@]}" >"$work/console" || console_status=$?
  grep -qP '[^\x00-\x7f]' "$work/file" || fail "$args wrote no Japanese: $(cat "$work/file")"
  [ "$console_status" = "$file_status" ] || fail "$args ended $console_status on a console"
  diff "$work/file" "$work/console" >&2 || fail "$args shows other text on a console"
done
echo "a console shows what a file holds"
