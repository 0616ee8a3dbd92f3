#!/usr/bin/env bash
# Usage: atspi_check.sh BIORHYTHM BIORHYTHM_SCRIPT
# Every screen of the desktop program read through the accessibility bus that
# screen readers use (atspi_walk.py), on a virtual display.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
if [ -z "${IN_SESSION:-}" ]; then
  mkdir "$work/data"
  "$2" --dir "$work/data" "$here/seed.script" >/dev/null || fail "seeding the data"
  start_display
  IN_SESSION=$work dbus-run-session -- "$0" "$@"
  exit
fi
start_accessibility_bus
start_program "$1" "$work/data"
status=0
/usr/bin/python3 "$here/atspi_walk.py" || status=$?
[ "$status" -eq 0 ] || cat "$work/program.log"
exit "$status"
