#!/usr/bin/env bash
# Usage: held_file_test.sh WINE_RUN HOLD_FILE BIORHYTHM_SCRIPT
# Another program holds a data file for a moment, as a scanner or the indexer
# does: hold_file.exe, a process of its own in the same Wine prefix, keeps it
# open without sharing its deletion. A reading replaces kojinfl.txt once the
# holder lets go within the retry time (about a second); a longer hold is
# reported, with the old file kept and nothing left beside it. An emptied
# journal held the same way is removed once it is let go.
set -euo pipefail
wine_run=$1
hold=$2
driver=$3
: "${BIO_WINE_ROOT:?should name the folder of the build Wine prefixes}"
export LC_ALL=C.UTF-8
work=$(mktemp -d)
holder=
finish() {
  [ -z "$holder" ] || wait "$holder" || true
  rm -rf "$work"
}
trap finish EXIT
data=$work/data
mkdir "$data"

fail() {
  echo "held_file: $*" >&2
  cat "$work/out" >&2 2>/dev/null || true
  exit 1
}

# The path as a Windows program names it, on Wine's drive Z:.
windows_path() { printf 'Z:%s' "$(printf '%s' "$1" | tr / "\\\\")"; }

# Runs the script lines on standard input; the driver's output in $work/out.
drive() {
  cat >"$work/lines.script"
  "$wine_run" "$driver" --dir "$data" --today 2026-12-07 "$work/lines.script" >"$work/out" 2>&1 ||
    fail "the driver failed"
}

# A reading of the name in $1, which writes it into kojinfl.txt.
reading() {
  drive <<EOF
set baio.Text7 "$1"
select baio.Option3
set baio.Text1 "38"
set baio.Text2 "5"
set baio.Text3 "10"
enter baio
EOF
}

# Starts the holder on $1 for $2 milliseconds (from when a file matching $3
# appears, when given) and waits until it holds it.
hold() {
  rm -f "$work/ready"
  local begun=()
  [ $# -lt 3 ] || begun=("$(windows_path "$3")")
  "$wine_run" "$hold" "$(windows_path "$1")" "$2" "$(windows_path "$work/ready")" "${begun[@]}" &
  holder=$!
  # A start under Wine can take many seconds while other tests load the
  # machine: wait for as long as the holder lives, up to a minute.
  for _ in $(seq 1200); do
    [ -f "$work/ready" ] && return
    kill -0 "$holder" 2>/dev/null || break
    sleep 0.05
  done
  fail "hold_file.exe never held $1"
}

let_go() {
  wait "$holder" || fail "hold_file.exe failed"
  holder=
}

reading First
grep -q '"First"' "$data/kojinfl.txt" || fail "the first reading wrote no kojinfl.txt"

# Held from the moment the reading writes the new file beside the old one.
hold "$data/kojinfl.txt" 300 "$data/kojinfl.txt.*.tmp"
reading Soon
let_go
[ ! -s "$work/out" ] || fail "a hold of 0.3 s was reported"
grep -q '"Soon"' "$data/kojinfl.txt" || fail "kojinfl.txt was not replaced after a hold of 0.3 s"

hold "$data/kojinfl.txt" 3000 "$data/kojinfl.txt.*.tmp"
reading Late
let_go
grep -q '^msgbox "ファイル kojinfl.txt に書き込めません：' "$work/out" ||
  fail "a hold of 3 s was not reported"
grep -q '"Soon"' "$data/kojinfl.txt" || fail "a failed replacement lost kojinfl.txt"
[ "$(ls "$data")" = kojinfl.txt ] || fail "left beside kojinfl.txt: $(ls "$data")"

# An empty journal puts nothing back; whatever next opens the register removes it.
: >"$data/kojinfl2.txt"
: >"$data/kojinfl2.txt-journal"
hold "$data/kojinfl2.txt-journal" 300
drive <<EOF
click baio.Command2
click menyu.Command5
EOF
let_go
[ ! -e "$data/kojinfl2.txt-journal" ] || fail "the journal stayed after a hold of 0.3 s"
