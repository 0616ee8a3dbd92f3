#!/usr/bin/env bash
# Usage: login_value_check.sh BIORHYTHM_SCRIPT WINE_RUN...   (the emulator's command)
# On Windows itiran's "ログイン時に今日の要注意日を知らせる" is a value of the
# user's Run key: ticking writes one that starts biorhythm.exe beside the
# driver with --notify on this data folder (its name, with a blank, quoted);
# itiran shown again finds it, and clearing removes it.
set -euo pipefail
driver=$1
wine_run=("${@:2}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
to_itiran='click baio.Command2
click menyu.Command7'
box='itiran.Check1 = "ログイン時に今日の要注意日を知らせる"'
data="$work/data folder"
mkdir "$data"
session() { "$driver" --dir "$data" --today 2026-12-07; }
# The values this test's data folder owns, as "NAME  REG_SZ  DATA".
ours() {
  "${wine_run[@]}" reg query "$key" | tr -d '\r' | grep -F "$1" || true
}

[ "$(printf '%s\ncheck itiran.Check1\n' "$to_itiran" | session)" = "" ] || fail "ticking said something"
folder=$("${wine_run[@]}" winepath -w "$data" | tr -d '\r')
value=$(ours "$folder")
echo "$value" | grep -Eq "^ +jp\.biorhythm\.Biorhythm-notify-[0-9a-f]{8} +REG_SZ +\"?[A-Z]:\\\\.*\\\\biorhythm\\.exe\"? --notify --data-dir \"${folder//\\/\\\\}\"$" ||
  fail "the Run key holds: $("${wine_run[@]}" reg query "$key")"

[ "$(printf '%s\nget itiran.Check1\nuncheck itiran.Check1\n' "$to_itiran" | session)" = "$box checked" ] ||
  fail "itiran did not find its value"
[ -z "$(ours "$folder")" ] || fail "clearing left $(ours "$folder")"
[ "$(printf '%s\nget itiran.Check1\n' "$to_itiran" | session)" = "$box" ] || fail "itiran still ticked"
echo "the Run value for $folder written and removed"
