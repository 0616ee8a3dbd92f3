#!/usr/bin/env bash
# Usage: notify_daemon_check.sh BIORHYTHM BIORHYTHM_SCRIPT
# `biorhythm --notify` against a real notification daemon (dunst) on a private
# session bus and a virtual X display:
#   - no session bus, or no daemon on the bus: exit 0 and one line on standard error;
#   - nobody on a caution day: no notification at all;
#   - otherwise exactly one, with the summary and body biorhythm-script prints
#     for the day (markup characters escaped, since dunst reads markup);
#   - its default action starts the program on itiran.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
driver=$2
today=$(date +%F)

# born_today DIR NUMBER NAME: registers NAME, born today, as record NUMBER of
# the register in DIR, the way a user does on kousin.
born_today() {
  "$driver" --dir "$1" >/dev/null <<SCRIPT
click baio.Command2
click menyu.Command2
set kousin.Text1(0) "$2"
set kousin.Text2(0) "$3"
set kousin.Text3(0) "令和"
set kousin.Text4(0) "$(($(date +%Y) - 2018))"
set kousin.Text5(0) "$(date +%-m)"
set kousin.Text6(0) "$(date +%-d)"
click kousin.Command2
SCRIPT
}

if [ -z "${NOTIFY_CHECK_INNER:-}" ]; then
  work=$(mktemp -d)
  xvfb_pid=
  trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid"; wait; rm -rf "$work"' EXIT
  fail() { echo "FAIL: $*" >&2; exit 1; }

  # No session bus at all: nothing to connect to, not even by X11 autolaunch.
  mkdir "$work/runtime" "$work/lone"
  born_today "$work/lone" 1 "山田花子"
  status=0
  env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/runtime" \
    "$program" --notify --data-dir "$work/lone" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq 0 ] || fail "without a session bus: exit $status"
  [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] &&
    grep -q '^biorhythm: セッションバスに接続できないため、今日の要注意日を知らせられません' "$work/err" ||
    fail "without a session bus: $(cat "$work/out" "$work/err")"

  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  # The bus daemon's complaint that it may not raise its own file limit is no news.
  DISPLAY=":$(head -n1 "$work/display")" NOTIFY_CHECK_INNER=1 NOTIFY_CHECK_WORK=$work \
    dbus-run-session --config-file="$here/session_bus.conf" -- "$0" "$@" \
    2> >(grep -v 'Failed to set fd limit' >&2)
  exit
fi

# Inside the private session bus.
work=$NOTIFY_CHECK_WORK
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config
# dunst, and the program the action starts.
started=()
trap 'kill "${started[@]}" 2>/dev/null; wait 2>/dev/null' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# notify DIR: biorhythm --notify on the register in DIR, in the background.
notify() { "$program" --notify --data-dir "$1" >"$work/out" 2>"$work/err" & notify_pid=$!; }
# ended_with_nothing_said: the last notify ended with 0 and wrote nothing.
ended_with_nothing_said() {
  local status=0
  wait "$notify_pid" || status=$?
  [ "$status" -eq 0 ] && [ ! -s "$work/out" ] && [ ! -s "$work/err" ] ||
    fail "notify: exit $status: $(cat "$work/out" "$work/err")"
}
displayed() {
  for _ in $(seq 100); do
    [ "$(dunstctl count displayed)" = "$1" ] && return
    sleep 0.1
  done
  fail "dunst does not show $1 notification(s)"
}

# No daemon on the bus yet.
notify "$work/lone"
status=0
wait "$notify_pid" || status=$?
[ "$status" -eq 0 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] &&
  grep -q '^biorhythm: 通知サービスに今日の要注意日を送れません（org.freedesktop.DBus.Error.ServiceUnknown: ' \
    "$work/err" || fail "without a daemon: exit $status: $(cat "$work/out" "$work/err")"

dunst -conf "$here/dunstrc" >"$work/dunst.log" 2>&1 &
started+=($!)
for _ in $(seq 100); do dunstctl debug >/dev/null 2>&1 && break; sleep 0.1; done
dunstctl debug >/dev/null || fail "dunst did not start: $(cat "$work/dunst.log")"

# Nobody on a caution day: an empty register.
mkdir "$work/nobody"
notify "$work/nobody"
ended_with_nothing_said
[ "$(dunstctl count displayed)" = 0 ] && [ "$(dunstctl count history)" = 0 ] ||
  fail "a notification for nobody"

# Two persons born today, so on a caution day in every rhythm.
cp -R "$work/lone" "$work/two"
born_today "$work/two" 2 "<林>&森"
"$driver" --notify --dir "$work/two" --today "$today" >"$work/expected"
notify "$work/two"
displayed 1
dunstctl close
ended_with_nothing_said
dunstctl history >"$work/history.json"
/usr/bin/python3 - "$work/history.json" "$work/expected" <<'PY' || fail "the notification differs"
import json, re, sys
history = json.load(open(sys.argv[1]))["data"][0]
line = open(sys.argv[2], encoding="utf-8").read()
fields = re.fullmatch(r'notify "((?:[^"\\]|\\.)*)" "((?:[^"\\]|\\.)*)"\n', line)
assert fields, line
unquote = lambda t: re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m[1], m[1]), t)
summary, body = unquote(fields[1]), unquote(fields[2])
for raw, markup in (("&", "&amp;"), ("<", "&lt;"), (">", "&gt;"), ('"', "&quot;")):
    body = body.replace(raw, markup)
assert len(history) == 1, history
shown = history[0]
got = (shown["appname"]["data"], shown["summary"]["data"], shown["body"]["data"])
want = ("バイオリズム診断", summary, body)
assert got == want, (got, want)
assert summary == "今日の要注意日（2人）", summary
PY

# The default action opens the overview.
notify "$work/two"
displayed 1
dunstctl action 0
ended_with_nothing_said
for _ in $(seq 100); do
  window=$(xwininfo -root -tree | grep -F '"今日のバイオリズム一覧"' | awk '{print $1}') || true
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no itiran window after the action"
started+=("$(xprop -id "$window" _NET_WM_PID | awk '{print $3}')")
xwininfo -root -tree >"$work/windows"
! grep -qF '"バイオリズム診断"' "$work/windows" || fail "baio was shown as well"
echo "OK"
