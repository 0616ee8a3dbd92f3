#!/usr/bin/env bash
# Usage: khal_import.sh BIORHYTHM_SCRIPT EXPORT_DIR
# The export as a calendar program takes it: the December 2026 file that
# export_reading.script writes on 2026-12-07 is imported into khal, then the
# same period exported again on 2026-12-20; its events (same UIDs) replace
# the first ones instead of doubling them. Prints the event counts and
# December 2026 as khal lists it, and compares with khal_import.expected.
set -euo pipefail
driver=$1
here=$2
w=$(mktemp -d)
trap 'rm -rf "$w"' EXIT
export TZ=Asia/Tokyo XDG_CONFIG_HOME=$w/config XDG_DATA_HOME=$w/data
mkdir -p "$w/calendar" "$XDG_CONFIG_HOME/khal"
cat >"$XDG_CONFIG_HOME/khal/config" <<CONFIG
[calendars]
  [[biorhythm]]
    path = $w/calendar
    type = calendar
[locale]
  dateformat = %Y-%m-%d
  longdateformat = %Y-%m-%d
  local_timezone = Asia/Tokyo
  default_timezone = Asia/Tokyo
[default]
  default_calendar = biorhythm
[sqlite]
  path = $w/khal.db
CONFIG

# Exports on DAY and imports the file; prints how many events the calendar
# then holds.
export_and_import() {
  mkdir "$w/$1"
  (cd "$w/$1" && "$driver" --dir . --today "$1" "$here/export_reading.script" >/dev/null)
  khal import --batch -a biorhythm "$w/$1/バイオリズム要注意日.ics" </dev/null
  echo "exported on $1: $(find "$w/calendar" -name '*.ics' | wc -l) events in the calendar"
}

{
  export_and_import 2026-12-07
  export_and_import 2026-12-20
  khal list -o -df '' -f '{start-date}..{end-date} {title}' 2026-12-01 2026-12-31
} >"$w/actual"
if ! diff -u "$here/khal_import.expected" "$w/actual"; then
  echo "khal's calendar differs from khal_import.expected" >&2
  exit 1
fi
