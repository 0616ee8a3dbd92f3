#!/usr/bin/env bash
# Usage: bench/wine/startup.sh [RUNS]   (make bench, after make windows)
# Start-up under Wine, from the start to a mapped window: biorhythm.exe to
# baio on an empty data folder, and biorhythm.exe --version to its message
# box, against the bare window with one label (bare_window.exe); that window
# given baio's controls (bare_window.exe baio), what so many child windows
# cost without themes; and that window built with the program's manifest,
# alone (bare_window_styled.exe) and given baio's controls
# (bare_window_styled.exe baio), what baio's window costs any program. Each
# RUNS times (20) in turn, in one warm prefix of its own on a display of its
# own with a window manager. Prints each median and its ratio to the bare
# window's.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-20}
export LC_ALL=C.UTF-8
wine_run=$root/tests/wine/wine_run.sh
program=$root/build-windows/bin/biorhythm.exe
bare=$root/build-windows/bench/wine/bare_window.exe
styled=$root/build-windows/bench/wine/bare_window_styled.exe
# shellcheck source=SCRIPTDIR/../../tests/a11y/session.sh
. "$root/tests/a11y/session.sh"
# shellcheck source=SCRIPTDIR/../../tests/wine/desktop_keys.sh
. "$root/tests/wine/desktop_keys.sh"
export BIO_WINE_ROOT=$work/wine
trap '"$wine_run" --cleanup; stop_all; rm -rf "$work"' EXIT
start_display
start_window_manager
japanese_fonts "$wine_run" || fail "the fonts could not be replaced"

# Milliseconds from the start of EXE until a window titled TITLE is mapped;
# the program is then ended.
startup() {
  local exe=$1 title=$2 start pid
  shift 2
  rm -rf "$work/data" && mkdir "$work/data"
  start=$EPOCHREALTIME
  "$wine_run" "$exe" "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || fail "$(basename "$exe") ended before its window came up"
    sleep 0.005
  done
  echo "$start $EPOCHREALTIME" | awk '{ printf "%d\n", ($2 - $1) * 1000 }'
  "$wine_run" taskkill /f /im "$(basename "$exe")" >/dev/null 2>&1 || true
  # taskkill now and then misses a program that is still starting: then the
  # program goes with its wine_run.sh.
  wait_until sh -c "! kill -0 $pid" || pkill -P "$pid" || true
  wait "$pid" 2>/dev/null || true
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The starts, by name: the bare window alone and with baio's controls, the
# styled one alone and with them, baio, and the message box of --version, which shows what the
# program costs before any screen is built.
start_one() {
  case $1 in
  bare) startup "$bare" bare ;;
  bare_baio) startup "$bare" bare baio ;;
  styled_bare) startup "$styled" bare ;;
  styled) startup "$styled" bare baio ;;
  baio) startup "$program" バイオリズム診断 --data-dir "$work/data" ;;
  version) startup "$program" バイオリズム診断 --version ;;
  esac
}
starts=(bare bare_baio styled_bare styled baio version)
# A first start of each, uncounted, fills the caches.
for name in "${starts[@]}"; do start_one "$name" >/dev/null; done
for _ in $(seq "$runs"); do
  for name in "${starts[@]}"; do start_one "$name" >>"$work/$name"; done
done
bare_ms=$(median <"$work/bare")
printf '%-46s %9s ms  (median of %d)\n' wine_startup/bare_window "$bare_ms" "$runs"
for name in bare_baio styled_bare styled baio version; do
  ms=$(median <"$work/$name")
  label=wine_startup/biorhythm_$name
  [ "$name" = bare_baio ] && label=wine_startup/bare_window_baio
  [ "$name" = styled_bare ] && label=wine_startup/bare_window_styled
  [ "$name" = styled ] && label=wine_startup/bare_window_styled_baio
  printf '%-46s %9s ms  ratio=%.2f\n' "$label" "$ms" "$(echo "$ms $bare_ms" | awk '{ print $1 / $2 }')"
done
# baio against the bare window built as the program is, with its manifest.
printf '%-46s %9s     ratio=%.2f\n' wine_startup/baio_to_styled_bare '' \
  "$(echo "$(median <"$work/baio") $(median <"$work/styled_bare")" | awk '{ print $1 / $2 }')"
