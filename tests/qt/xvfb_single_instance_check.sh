#!/usr/bin/env bash
# Usage: xvfb_single_instance_check.sh BIORHYTHM
# One program per data directory, on a virtual X display with a window manager:
# a second start on the same directory ends at once with status 0 and the
# running program's window comes to the front, over that of a program on
# another directory; after the first program is killed (leaving its socket
# behind) a new start comes up as usual; a start that cannot listen says why
# and comes up alone.
set -euo pipefail
program=$1

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Two portable copies: each keeps its data in its own folder.
for copy in first other; do
  mkdir -p "$work/$copy"
  cp "$program" "$work/$copy/biorhythm"
  : >"$work/$copy/portable"
done
mkdir -m 700 "$work/runtime"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
unset WAYLAND_DISPLAY
# start COPY: starts a program in the background; its pid lands in $started.
start() {
  "$work/$1/biorhythm" >>"$work/$1.log" 2>&1 &
  started=$!
  pids+=("$started")
}
# A sanitized build on a loaded machine may take many seconds to map its window.
window_of() {
  timeout 60 xdotool search --sync --onlyvisible --pid "$1" 2>/dev/null | head -n1
}
# activate WINDOW: the window manager may miss a request right after mapping.
activate() {
  for _ in 1 2 3 4 5; do
    timeout 3 xdotool windowactivate --sync "$1" 2>/dev/null || true
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
  done
  fail "window $1 never became active"
}

start first
first=$started
first_window=$(window_of "$first")
[ -n "$first_window" ] || fail "the first program shows no window"
start other
other_window=$(window_of "$started")
[ -n "$other_window" ] || fail "a program on another data directory shows no window"
activate "$other_window"

began=$(date +%s%N)
status=0
timeout 10 "$work/first/biorhythm" >>"$work/second.log" 2>&1 || status=$?
echo "the second start ended after $(( ($(date +%s%N) - began) / 1000000 )) ms with status $status"
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
for _ in $(seq 50); do
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$first_window" ] && break
  sleep 0.1
done
[ "$(xdotool getactivewindow)" = "$first_window" ] || fail "the first program's window did not come to the front"
kill -0 "$first" || fail "the first program ended"

kill -9 "$first"
wait "$first" 2>/dev/null || true
compgen -G "$work/runtime/biorhythm-*" >/dev/null || fail "no socket was left behind to replace"
start first
[ -n "$(window_of "$started")" ] ||
  fail "a new start after the crash shows no window: $(cat "$work/first.log")"
kill -0 "$started" || fail "the new start ended"

: >"$work/not-a-folder"
XDG_RUNTIME_DIR="$work/not-a-folder/runtime" "$work/other/biorhythm" >"$work/lone.log" 2>&1 &
pids+=($!)
[ -n "$(window_of "$!")" ] || fail "a start that cannot listen shows no window"
grep -q 'このまま一つのプログラムとして動きます' "$work/lone.log" || fail "no word of it: $(cat "$work/lone.log")"
echo "the running program came to the front; after it was killed a new start came up"
