# shellcheck shell=bash
# Sourced, after session.sh: fcitx5 with Mozc, the input method the desktop
# tests type Japanese through, as a user would: romaji, Space to convert,
# Enter to take the conversion. Mozc's server refuses to run as root.

# input_method_profile CONFIG_HOME: one group, the US keyboard with Mozc to
# switch to.
input_method_profile() {
  mkdir -p "$1/fcitx5"
  cat >"$1/fcitx5/profile" <<'PROFILE'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=mozc

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=mozc
Layout=

[GroupOrder]
0=Default
PROFILE
}

# stop_started_with HOME NAME...: ends the processes named NAME that run with
# HOME, whoever runs them, and waits until they are gone (Mozc's server
# writes into HOME as it ends): Mozc's server leaves the session as a daemon
# of its own, and other sessions may run theirs at the same time.
stop_started_with() {
  local home=$1 name pid ended=()
  shift
  for name in "$@"; do
    for pid in $(pgrep -x "$name"); do
      if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "HOME=$home"; then
        kill "$pid" 2>/dev/null && ended+=("$pid")
      fi
    done
  done
  for pid in "${ended[@]}"; do
    wait_until sh -c "! kill -0 $pid" || true
  done
}

# The input method's own user: nobody when the test runs as root.
as_input_method_user() {
  local run=(env -i PATH="$PATH" LC_ALL=C.UTF-8 HOME="$im_home" XDG_CONFIG_HOME="$im_home/config"
    XDG_RUNTIME_DIR="$im_home/runtime" DISPLAY="$DISPLAY" DBUS_SESSION_BUS_ADDRESS="$im_bus")
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u nobody -- "${run[@]}" "$@"
  else
    "${run[@]}" "$@"
  fi
}

# start_input_method: fcitx5 with Mozc on the display, on a session bus of
# its own, serving X programs through XIM (XMODIFIERS=@im=fcitx); after
# start_display. stop_input_method ends it.
start_input_method() {
  im_home=$work/input-method
  mkdir -p "$im_home/runtime"
  chmod 700 "$im_home/runtime"
  input_method_profile "$im_home/config"
  [ "$(id -u)" -ne 0 ] || chown -R nobody: "$im_home"
  im_bus=
  im_bus=$(as_input_method_user dbus-daemon --session --fork --print-address) ||
    fail "no session bus for the input method"
  # Not one of pids: stop_input_method ends it, with the daemons it starts.
  as_input_method_user fcitx5 >"$work/fcitx5.log" 2>&1 &
  wait_until sh -c 'xprop -root XIM_SERVERS | grep -q "@server=fcitx"' ||
    fail "fcitx5 did not start: $(cat "$work/fcitx5.log")"
}

stop_input_method() {
  [ -n "${im_home:-}" ] || return 0
  stop_started_with "$im_home" mozc_server fcitx5 dbus-daemon
}

# What fcitx5 says of the focused window: 0 without an input context, 1 with
# Mozc off, 2 with Mozc on.
input_method_state() { as_input_method_user fcitx5-remote 2>/dev/null; }
wait_input_method() {
  local _
  for _ in $(seq 200); do
    [[ $(input_method_state) =~ ^[$1]$ ]] && return 0
    sleep 0.1
  done
  fail "the input method's state stays $(input_method_state), not $1"
}

# compose ROMAJI: types ROMAJI into the focused box through Mozc and takes its
# first conversion, by keys alone: Ctrl+Space turns Mozc on and off again.
# The keys reach Mozc in the order they are sent, so Mozc is off again only
# once it has taken the conversion.
compose() {
  wait_input_method 12
  xdotool key ctrl+space
  wait_input_method 2
  xdotool type --delay 60 "$1"
  xdotool key --delay 60 space Return ctrl+space
  wait_input_method 1
}
