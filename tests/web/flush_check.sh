#!/usr/bin/env bash
# Usage: flush_check.sh DRIVER REFERENCE_DRIVER TESTPATH...
# Each TESTPATH.script (seeded from TESTPATH.dir/) is run by both drivers
# under strace: DRIVER must take to the disk (fsync) the very files and
# folders that REFERENCE_DRIVER does, in the same order, and something.
set -euo pipefail
driver=$1
reference=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The names DRIVER fsyncs while running TEST, relative to its data folder
# ("." for the folder itself), each temporary file's process number as PID.
synced() {
  local dir
  dir=$(mktemp -d "$work/data.XXXXXX")
  [ -d "$2.dir" ] && cp -R "$2.dir/." "$dir/"
  # Paths a script gives the file dialogs are relative to the data folder.
  (cd "$dir" && strace -f -qq -y -e trace=fsync,fdatasync -o "$work/trace" \
    "$1" --dir "$dir" --today 2026-12-07 "$2.script" >/dev/null) || true
  { grep -o "sync([0-9]*<[^>]*>) = 0" "$work/trace" || true; } |
    sed -e "s|^.*<$dir/\?|./|; s|>.*||" -e 's|\.[0-9]*\.tmp$|.PID.tmp|'
}

for test in "$@"; do
  synced "$reference" "$test" >"$work/expected"
  synced "$driver" "$test" >"$work/actual"
  if [ ! -s "$work/expected" ]; then
    echo "$(basename "$test"): the reference driver took nothing to the disk" >&2
    exit 1
  fi
  if ! diff -u "$work/expected" "$work/actual"; then
    echo "$(basename "$test"): the files taken to the disk differ" >&2
    exit 1
  fi
  echo "$(basename "$test"): $(wc -l <"$work/actual") flushes alike"
done
