#!/usr/bin/env bash
# Usage: demo_check.sh BIORHYTHM_SCRIPT DEMO_SCRIPT
# The headless demo that `make run` shows without a display must run to its
# end and show the worked examples' figures.
set -euo pipefail
driver=$1
demo=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$driver" --dir "$dir" "$demo" >"$dir/out"
for line in \
  'sindan.Text9 = "23222"' \
  '  "ＡＢＣＤさんのバイオリズム診断をします。"' \
  'print line "感情：11知性:24身体:16"' \
  '  "一生涯について，二人の相性度は，79%です。"' \
  '  "性格が同じであれば，相性は一致する。"'; do
  grep -qxF "$line" "$dir/out" || { echo "missing from the demo's output: $line" >&2; exit 1; }
done
[ "$(tail -n1 "$dir/out")" = end ] || { echo "the demo did not reach the end of the program" >&2; exit 1; }
