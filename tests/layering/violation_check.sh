#!/usr/bin/env bash
# Usage: violation_check.sh CHECKER SRC_DIR
# The layering check must fail on a copy of the sources in which a file of the
# bottom layer includes a header of the desktop front end, and name both.
set -euo pipefail
checker=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$src" "$work/src"
echo '#include "desktop/qt_printer.h"' >>"$work/src/state/numbers.cpp"
status=0
"$checker" "$work/src" >"$work/out" || status=$?
cat "$work/out"
[ "$status" -eq 1 ] || { echo "expected exit 1, got $status" >&2; exit 1; }
grep -qF 'src/state/numbers.cpp: #include "desktop/qt_printer.h" is a header of bio_qt, which bio_state does not link' "$work/out"
