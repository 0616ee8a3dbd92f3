# Sourced by the desktop-session tests: a virtual display, the session bus
# with the accessibility bus on it, a window manager and the program. The
# test runs in two parts, outside and inside its own session bus; both keep
# their files in one folder, and each part ends what it started.

pids=()
# A child that has ended already is no failure of the test: the tests that
# run under set -e would otherwise fail in their last step.
stop_all() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null
}
if [ -z "${IN_SESSION:-}" ]; then
  work=$(mktemp -d)
  chmod 755 "$work"
  trap 'stop_all; rm -rf "$work"' EXIT
else
  work=$IN_SESSION
  trap stop_all EXIT
fi

fail() { echo "FAIL: $*" >&2; exit 1; }

# Succeeds when no window matches xdotool search's ARGS, on a display that
# still answers: a display that has gone finds no window either.
no_window() {
  xdotool getdisplaygeometry >/dev/null 2>&1 && ! xdotool search "$@" >/dev/null 2>&1
}

# Waits up to 20 s for COMMAND to succeed.
wait_until() {
  for _ in $(seq 400); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done
  return 1
}

# A virtual display of its own. -noreset: a server that resets when its last
# client leaves drops the clients that connect meanwhile.
start_display() {
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
    >"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  wait_until test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n1 "$work/display")"
}

# Inside dbus-run-session: asking for the accessibility bus starts it, and the
# registry comes with the first client.
start_accessibility_bus() {
  wait_until gdbus call --session -d org.a11y.Bus -o /org/a11y/bus \
    -m org.a11y.Bus.GetAddress || fail "no accessibility bus"
}

start_window_manager() {
  openbox --sm-disable >"$work/wm.log" 2>&1 &
  pids+=($!)
  wait_until sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not start"
}

# The program on a data folder seeded by the script driver, on the X display,
# speaking to the accessibility bus, printing to PDF files in HOME.
start_program() {
  local program=$1 data=$2
  env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 CUPS_SERVER=/nonexistent \
    XDG_CONFIG_HOME="$work/config" "$program" --data-dir "$data" >"$work/program.log" 2>&1 &
  pids+=($!)
}
