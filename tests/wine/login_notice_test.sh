#!/usr/bin/env bash
# Usage: login_notice_test.sh WINE_RUN BIORHYTHM_EXE SCRIPT_EXE TRAY_PROBE_EXE
# The login notice under Wine, on a display of its own with a window manager,
# for a register at a drive's root (E:\, a folder of the test's own): ticked
# on itiran through the driver, the login item is started by its Run value's
# command line alone, as Explorer starts it at login. The notice's icon must
# outlive NIN_BALLOONTIMEOUT (Windows 10 sends it when the banner goes into
# the Action Center), come back on TaskbarCreated after the notification area
# lost it (Explorer restarted), and a click on it must open itiran on the same
# register, whose box then shows the login item ticked. Wine sends neither
# message: tray_probe.exe plays Explorer there. itiran and then the menu,
# each closed while minimised, must hand on and remember their restored place.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$1 program=$2 driver=$3 probe=$4
: "${BIO_WINE_ROOT:?should name a folder of Wine prefixes for this test alone}"
# Wine turns the arguments and the window titles from and into the locale's encoding.
export LC_ALL=C.UTF-8
# shellcheck source=SCRIPTDIR/../a11y/session.sh
. "$here/../a11y/session.sh"
# shellcheck source=SCRIPTDIR/../overview/born_today.sh
. "$here/../overview/born_today.sh"

finish() {
  "$wine_run" --cleanup
  stop_all
  rm -rf "$work"
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
trap finish EXIT
# Its lines end in CR LF.
probe() { "$wine_run" "$probe" "$@" | tr -d '\r'; }
overview='今日のバイオリズム一覧'
menu='バイオリズム相性診断 Ver.2.0'
box='ログイン時に今日の要注意日を知らせる'

start_display
start_window_manager
"$wine_run" --setup
# E: is a folder of the test's; the drive's root is the data folder.
drive="E:\\"
prefix=$BIO_WINE_ROOT/$(id -un)/prefix
mkdir "$work/e"
ln -sfn "$work/e" "$prefix/dosdevices/e:"
# The place a run before this one remembered.
find "$prefix/drive_c/users" -path '*/biorhythm/window.ini' -delete
born_today 1 山田花子 | "$wine_run" "$driver" --dir "$drive" >"$work/driver.out" 2>&1 ||
  fail "the driver: $(cat "$work/driver.out")"
printf 'click baio.Command2\nclick menyu.Command7\ncheck itiran.Check1\n' |
  "$wine_run" "$driver" --dir "$drive" >"$work/driver.out" 2>&1 ||
  fail "the driver: $(cat "$work/driver.out")"

probe login >"$work/login.out" || fail "no login item to start: $(cat "$work/login.out")"
wait_until probe icon || fail "no icon in the notification area"
wait_until probe balloon || fail "no notice over the icon"

probe timeout
sleep 1
probe running || fail "the notice ended on NIN_BALLOONTIMEOUT"
probe icon >/dev/null || fail "the icon went with the banner"

probe lose || fail "the icon could not be taken away"
! probe icon >/dev/null || fail "the icon is still there"
probe taskbar-created
wait_until probe icon || fail "the icon did not come back on TaskbarCreated"
wait_until probe balloon || fail "the notice did not come back with its icon"
# A balloon may lie over the icon: the click waits for it to go.
wait_until sh -c "! '$wine_run' '$probe' balloon" || fail "the balloon stays"

read -r left top right bottom < <(probe icon)
xdotool mousemove $(((left + right) / 2)) $(((top + bottom) / 2)) click 1
wait_until xdotool search --onlyvisible --name "^$overview\$" || fail "a click did not open $overview"
wait_until sh -c "! '$wine_run' '$probe' running" || fail "the notice stays after the click"
[ "$(probe checked "$overview" "$box")" = checked ] ||
  fail "$overview did not open on E:\\ (its box is not ticked)"

# Closed while minimised, itiran hands its place to the menu, and the menu
# closed while minimised leaves its place for the next start.
place=$(probe frame "$overview")
probe minimize "$overview"
sleep 1
probe close "$overview"
wait_until xdotool search --onlyvisible --name "^$menu\$" || fail "the menu did not open"
[ "$(probe frame "$menu")" = "$place" ] ||
  fail "the menu opened at $(probe frame "$menu"), not at $overview's $place"
probe minimize "$menu"
sleep 1
probe close "$menu"
wait_until no_window --name "^$menu\$" || fail "the program did not end"
ini=$(find "$prefix/drive_c/users" -path '*/biorhythm/window.ini')
[ "$(tr -d '\r' <"$ini" | sed -n 's/^[xy]=//p' | tr '\n' ' ')" = "$place " ] ||
  fail "the place remembered is $(tr '\n' ' ' <"$ini"), not $place"
echo "the notice kept its icon past its banner and Explorer's restart; a click opened E:\\"
