#!/usr/bin/env bash
# Usage: run_export_test.sh BIORHYTHM_SCRIPT TESTPATH
# Runs TESTPATH.script from inside a fresh folder (seeded from TESTPATH.dir/,
# with an empty folder readonly/ that cannot be written), so that `file
# "NAME.ics"` writes there, on 2026-12-07. Its output is followed by what each
# written .ics holds, as Python's icalendar reads it, and by the folder's
# files; all of it is compared with TESTPATH.expected. As root the script
# runs as nobody, for whom permissions hold. With BIO_REFERENCE_DRIVER set (a
# cross build's checks), that driver runs the same in a folder of its own, and
# both must leave the very same files.
set -euo pipefail
driver=$1
test=$2
here=$(cd "$(dirname "$0")" && pwd)
dirs=()
trap 'rm -rf "${dirs[@]}"' EXIT

# Runs DRIVER in a fresh folder, $dir/work, with its output in $dir/out.
run() {
  dir=$(mktemp -d)
  dirs+=("$dir")
  work=$dir/work
  mkdir "$work" "$work/readonly"
  [ -d "$test.dir" ] && cp -R "$test.dir/." "$work/"
  chmod 555 "$work/readonly"
  local as=()
  if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$dir"
    chown -R nobody:nogroup "$work"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  local status=0
  (cd "$work" && "${as[@]}" "$1" --dir . --today 2026-12-07 "$test.script") \
    >"$dir/out" 2>&1 || status=$?
  [ "$status" -eq 0 ] || echo "exit $status" >>"$dir/out"
  return 0
}

run "$driver"
{
  cat "$dir/out"
  (cd "$work" && find . -name '*.ics' -type f | LC_ALL=C sort | while read -r file; do
    echo "${file#./}:"
    /usr/bin/python3 "$here/ics_events.py" "$file"
  done)
  echo "files:"
  (cd "$work" && find . -mindepth 1 | LC_ALL=C sort | sed 's|^\./|  |')
} >"$dir/actual"
if ! diff -u "$test.expected" "$dir/actual"; then
  echo "output differs from $test.expected" >&2
  exit 1
fi
if [ -n "${BIO_REFERENCE_DRIVER:-}" ]; then
  tested=$work
  run "$BIO_REFERENCE_DRIVER"
  if ! diff -r "$work" "$tested"; then
    echo "the files differ from those $BIO_REFERENCE_DRIVER writes" >&2
    exit 1
  fi
fi
