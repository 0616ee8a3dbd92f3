#!/usr/bin/env bash
# Usage: cp932_tables_check.sh SOURCE_DIR HOST_DIR COMMAND...
# COMMAND FILE writes a cross build's code page 932 table (under Wine or
# node); it must be the very file that the Linux build's cp932_table writes.
# That one is built here in HOST_DIR, a native tree configured from
# SOURCE_DIR on first use.
set -euo pipefail
source=$1
host=$2
shift 2
# The log inside the tree: beside it may be the source folder (the web
# build's checks take the native build's tree, build/).
mkdir -p "$host"
log=$host/cp932_table_check.log
if [ ! -f "$host/CMakeCache.txt" ]; then
  cmake -S "$source" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$log" 2>&1 ||
    { cat "$log" >&2; echo "the native tree does not configure" >&2; exit 1; }
fi
cmake --build "$host" --target cp932_table >>"$log" 2>&1 ||
  { tail -n 30 "$log" >&2; echo "the native cp932_table does not build" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$host/bin/cp932_table" "$work/linux.txt"
"$@" "$work/cross.txt"
lines=$(wc -l <"$work/linux.txt")
# Every byte, every pair of bytes and every character of the BMP.
if [ "$lines" -ne $((0x100 + 0x10000 + 0x10000)) ]; then
  echo "the Linux table has $lines lines" >&2
  exit 1
fi
if ! cmp -s "$work/linux.txt" "$work/cross.txt"; then
  echo "the cross build's table (+) differs from the Linux one (-):" >&2
  diff -u "$work/linux.txt" "$work/cross.txt" | sed -n '3,42p' >&2
  exit 1
fi
echo "$lines lines alike"
