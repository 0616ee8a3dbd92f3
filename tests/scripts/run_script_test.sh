#!/usr/bin/env bash
# Usage: run_script_test.sh BIORHYTHM_SCRIPT TESTPATH [--notify]
# Runs TESTPATH.script in a fresh directory (seeded from TESTPATH.dir/), on the
# fixed date in TESTPATH.today (2026-12-07 when absent), and compares standard
# output and the exit status line with TESTPATH.expected. With --notify the
# driver prints the login notice of that day instead of running a script.
# With BIO_REFERENCE_DRIVER set (a cross build's checks), that driver runs the
# same in a directory of its own, and both must leave the very same files.
set -euo pipefail
driver=$1
test=$2
today=2026-12-07
[ -f "$test.today" ] && today=$(cat "$test.today")
input=("$test.script")
[ "${3:-}" = --notify ] && input=(--notify)
dirs=()
trap 'rm -rf "${dirs[@]}"' EXIT

# Runs DRIVER in a fresh directory, left in $dir, with its output in
# $dir/.out (the exit status line and standard error after).
run() {
  # A folder named in Japanese, as a user's may well be.
  dir=$(mktemp -d "${TMPDIR:-/tmp}/バイオリズム.XXXXXX")
  dirs+=("$dir")
  [ -d "$test.dir" ] && cp -R "$test.dir/." "$dir/"
  local status=0
  # Paths a script gives the file dialogs are relative to the data directory.
  (cd "$dir" && "$1" --dir "$dir" --today "$today" "${input[@]}" >"$dir/.out" 2>"$dir/.err") ||
    status=$?
  [ "$status" -eq 0 ] || echo "exit $status" >>"$dir/.out"
  [ -s "$dir/.err" ] && cat "$dir/.err" >>"$dir/.out"
  return 0
}

run "$driver"
if ! diff -u "$test.expected" "$dir/.out"; then
  echo "script output differs from $test.expected" >&2
  exit 1
fi
if [ -n "${BIO_REFERENCE_DRIVER:-}" ]; then
  tested=$dir
  run "$BIO_REFERENCE_DRIVER"
  if ! diff -r --exclude=.out --exclude=.err "$dir" "$tested"; then
    echo "the files differ from those $BIO_REFERENCE_DRIVER writes" >&2
    exit 1
  fi
fi
