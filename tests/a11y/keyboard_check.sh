#!/usr/bin/env bash
# Usage: keyboard_check.sh BIORHYTHM BIORHYTHM_SCRIPT
# The desktop program used by keyboard alone (keyboard_drive.py) under a
# window manager, with fcitx5 and Mozc for Japanese. Mozc's server refuses to
# run as root, so as root the whole session runs as the ordinary user nobody.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -eq 0 ]; then
  home=$(mktemp -d)
  chown nobody: "$home"
  status=0
  runuser -u nobody -- env -i PATH="$PATH" LANG=C.UTF-8 HOME="$home" "$0" "$@" || status=$?
  rm -rf "$home"
  exit "$status"
fi
source "$here/session.sh"
source "$here/input_method.sh"
if [ -z "${IN_SESSION:-}" ]; then
  mkdir "$work/data"
  "$2" --dir "$work/data" "$here/seed.script" >/dev/null || fail "seeding the data"
  rm "$work/data/kojinfl.txt"  # a first start: the name box is empty
  start_display
  IN_SESSION=$work dbus-run-session -- "$0" "$@"
  exit
fi
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
input_method_profile "$XDG_CONFIG_HOME"
trap 'stop_all; stop_started_with "$HOME" mozc_server' EXIT

start_accessibility_bus
start_window_manager
export XMODIFIERS=@im=fcitx QT_IM_MODULE=fcitx
fcitx5 >"$work/fcitx5.log" 2>&1 &
pids+=($!)
# Asked through the bus only once it is there: a call before would start a
# second fcitx5 by D-Bus activation.
wait_until sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
  org.freedesktop.DBus.NameHasOwner string:org.fcitx.Fcitx5 | grep -q "boolean true"' ||
  fail "fcitx5 did not start"
start_program "$1" "$work/data"
status=0
/usr/bin/python3 "$here/keyboard_drive.py" "$HOME" "$work/data" || status=$?
[ "$status" -eq 0 ] || cat "$work/program.log" "$work/fcitx5.log"
exit "$status"
