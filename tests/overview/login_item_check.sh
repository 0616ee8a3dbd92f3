#!/usr/bin/env bash
# Usage: login_item_check.sh BIORHYTHM_SCRIPT
# itiran's "ログイン時に今日の要注意日を知らせる" against the user's settings
# folder: ticking writes an autostart entry that desktop-file-validate accepts,
# naming the program beside the driver and this data directory; itiran shown
# again finds it, another data directory does not; clearing removes it; where
# the folder cannot be written the user is told in "誤り警告" and the box goes back.
set -euo pipefail
driver=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The unwritable cases run as the user nobody when the tests run as root, who
# ignores permissions; nobody may then look into the folder.
chmod 755 "$work"
config=$work/config
fail() { echo "FAIL: $*" >&2; exit 1; }

# session EXPECTED [as_user] [DATA_DIR]: the script on standard input, with the
# settings folder in the work folder; its output, the work folder written WORK
# and the item's name ITEM, must be EXPECTED.
session() {
  local expected=$1 user=()
  [ "${2:-}" = as_user ] && [ "$(id -u)" -eq 0 ] &&
    user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  local output
  output=$(XDG_CONFIG_HOME=$config "${user[@]}" "$driver" --dir "${3:-$work}" --today 2026-12-07 |
    sed "s|$work|WORK|g; s|${name:-ITEM}|ITEM|g")
  [ "$output" = "$expected" ] || fail "$(diff <(echo "$expected") <(echo "$output"))"
}
to_itiran='click baio.Command2
click menyu.Command7'
box='itiran.Check1 = "ログイン時に今日の要注意日を知らせる"'

# Ticking writes the entry; no folder existed yet.
session "$box
$box checked" <<SCRIPT
$to_itiran
get itiran.Check1
check itiran.Check1
get itiran.Check1
SCRIPT
items=("$config"/autostart/jp.biorhythm.Biorhythm-notify-*.desktop)
[ ${#items[@]} -eq 1 ] && [ -f "${items[0]}" ] || fail "no one login item: ${items[*]}"
item=${items[0]} name=$(basename "$item")
desktop-file-validate "$item" || fail "not a valid desktop entry"
program="$(cd "$(dirname "$driver")" && pwd)/biorhythm"
for line in '[Desktop Entry]' Type=Application 'Name[ja]=バイオリズム診断：今日の要注意日' \
  "Exec=\"$program\" --notify --data-dir \"$work\"" Icon=jp.biorhythm.Biorhythm NoDisplay=true; do
  grep -qxF "$line" "$item" || fail "no $line in $(cat "$item")"
done

# Another data directory has an item of its own, not this one.
mkdir "$work/other"
session "$box" "" "$work/other" <<SCRIPT
$to_itiran
get itiran.Check1
SCRIPT

# The next start finds it; clearing removes it, and itiran shown again agrees.
session "$box checked
$box
$box" <<SCRIPT
$to_itiran
get itiran.Check1
uncheck itiran.Check1
get itiran.Check1
click itiran.Command2
click menyu.Command7
get itiran.Check1
SCRIPT
[ ! -e "$item" ] || fail "clearing left the entry"

# A folder that cannot be written: neither ticking nor clearing gets through.
chmod 755 "$config"
chmod 555 "$config/autostart"
session "msgbox \"ファイル ITEM を保存するフォルダー WORK/config/autostart に書き込めません：許可がありません。\" title \"誤り警告\" -> ok
$box" as_user <<SCRIPT
$to_itiran
check itiran.Check1
get itiran.Check1
SCRIPT
[ ! -e "$item" ] || fail "wrote into a folder that cannot be written"
chmod 755 "$config/autostart"
session "" <<SCRIPT
$to_itiran
check itiran.Check1
SCRIPT
chmod 555 "$config/autostart"
session "msgbox \"ファイル ITEM を削除できません：許可がありません。\" title \"誤り警告\" -> ok
$box checked" as_user <<SCRIPT
$to_itiran
uncheck itiran.Check1
get itiran.Check1
SCRIPT
[ -f "$item" ] || fail "the entry went although the box came back"
echo OK
