#!/usr/bin/env bash
# Usage: run_script_test.sh BIORHYTHM_SCRIPT TESTPATH [--notify]
# Runs TESTPATH.script in a fresh directory (seeded from TESTPATH.dir/), on the
# fixed date in TESTPATH.today (2026-12-07 when absent), and compares standard
# output and the exit status line with TESTPATH.expected. With --notify the
# driver prints the login notice of that day instead of running a script.
set -euo pipefail
driver=$1
test=$2
# A folder named in Japanese, as a user's may well be.
dir=$(mktemp -d "${TMPDIR:-/tmp}/バイオリズム.XXXXXX")
trap 'rm -rf "$dir"' EXIT
[ -d "$test.dir" ] && cp -R "$test.dir/." "$dir/"
today=2026-12-07
[ -f "$test.today" ] && today=$(cat "$test.today")
status=0
# Paths a script gives the file dialogs are relative to the data directory.
cd "$dir"
input=("$test.script")
[ "${3:-}" = --notify ] && input=(--notify)
"$driver" --dir "$dir" --today "$today" "${input[@]}" >"$dir/.out" 2>"$dir/.err" || status=$?
[ "$status" -eq 0 ] || echo "exit $status" >>"$dir/.out"
[ -s "$dir/.err" ] && cat "$dir/.err" >>"$dir/.out"
if ! diff -u "$test.expected" "$dir/.out"; then
  echo "script output differs from $test.expected" >&2
  exit 1
fi
