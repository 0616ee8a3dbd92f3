#!/usr/bin/env bash
# Usage: xvfb_baio_check.sh BIORHYTHM BAIO_SCREEN_CHECK OUTPUT.png
# Starts the real executable on a virtual X display, takes the display's frame
# buffer as a screenshot and lets BAIO_SCREEN_CHECK compare baio on it with an
# offscreen rendering (readable captions, no missing glyphs). The screenshot
# of the window is left in OUTPUT.png.
set -euo pipefail
program=$1
check=$2
output=$3

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The data folder is the executable's own, kept by the portable marker: run a
# copy from a fresh folder.
mkdir "$work/app" "$work/fb"
cp "$program" "$work/app/biorhythm"
: >"$work/app/portable"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nocursor -nolisten tcp -fbdir "$work/fb" \
  >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=":$(head -n1 "$work/display")"
[ "$display" != ":" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

# A fresh configuration folder too: the window's remembered place is the user's own.
env -u WAYLAND_DISPLAY -u XDG_CURRENT_DESKTOP QT_QPA_PLATFORM=xcb DISPLAY="$display" \
  XDG_CONFIG_HOME="$work/config" "$work/app/biorhythm" >"$work/app.log" 2>&1 &
app_pid=$!

# Wait until the window is painted: the check says 3 while it is not there.
status=3
for _ in $(seq 40); do
  sleep 0.25
  kill -0 "$app_pid" 2>/dev/null || { echo "the program stopped" >&2; cat "$work/app.log" >&2; exit 1; }
  status=0
  QT_QPA_PLATFORM=offscreen "$check" "$work/fb/Xvfb_screen0" "$output" >"$work/check.log" || status=$?
  [ "$status" -eq 3 ] || break
done
cat "$work/check.log"
exit "$status"
