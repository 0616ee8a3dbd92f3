#!/usr/bin/env bash
# Usage: login_item_check.sh BIORHYTHM_SCRIPT
# The web build can start nothing at login: itiran's "ログイン時に今日の要注意日
# を知らせる" says so when ticked and goes back, writes no autostart entry
# anywhere, and itiran shown again finds the box clear.
set -euo pipefail
driver=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/data"
fail() { echo "FAIL: $*" >&2; exit 1; }
box='itiran.Check1 = "ログイン時に今日の要注意日を知らせる"'

output=$(XDG_CONFIG_HOME=$work/config HOME=$work "$driver" --dir "$work/data" --today 2026-12-07 <<'SCRIPT'
click baio.Command2
click menyu.Command7
check itiran.Check1
get itiran.Check1
click itiran.Command2
click menyu.Command7
get itiran.Check1
SCRIPT
)
expected="msgbox \"ログイン時に今日の要注意日を知らせることはできません：ブラウザーで動くこのプログラムは、ログイン時に起動できません。\" title \"誤り警告\" -> ok
$box
$box"
[ "$output" = "$expected" ] || fail "$(diff <(echo "$expected") <(echo "$output"))"
written=$(find "$work" -name '*.desktop')
[ -z "$written" ] || fail "a login item was written: $written"
echo OK
