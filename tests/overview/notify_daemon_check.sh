#!/usr/bin/env bash
# Usage: notify_daemon_check.sh BIORHYTHM BIORHYTHM_SCRIPT
# `biorhythm --notify` against a real notification daemon (dunst) on a private
# session bus and a virtual X display: without a session bus or a daemon it
# exits 0 with one line on standard error; for nobody on a caution day it sends
# nothing; otherwise exactly one notification (markup characters escaped, since
# this dunst reads markup), whose default action starts the program on itiran.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=SCRIPTDIR/born_today.sh
. "$here/born_today.sh"
program=$1
driver=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
# notify DIR [ENV...]: biorhythm --notify on the register in DIR, in the background.
notify() {
  local dir=$1
  shift
  env "$@" "$program" --notify --data-dir "$dir" >"$work/out" 2>"$work/err" &
  notify_pid=$!
}
# ended_saying [TEXT]: the last notify exited 0 having written nothing, or
# only one line on standard error that starts with TEXT.
ended_saying() {
  local status=0
  wait "$notify_pid" || status=$?
  if [ "$status" -ne 0 ] || [ -s "$work/out" ] ||
    { [ -z "${1:-}" ] && [ -s "$work/err" ]; } ||
    { [ -n "${1:-}" ] && ! { [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "^$1" "$work/err"; }; }; then
    fail "exit $status: $(cat "$work/out" "$work/err")"
  fi
}

if [ -z "${NOTIFY_CHECK_WORK:-}" ]; then
  work=$(mktemp -d)
  trap 'kill "${xvfb_pid:-}" 2>/dev/null; wait; rm -rf "$work"' EXIT
  # Two persons born today, so on a caution day in every rhythm, entered
  # on kousin as a user does.
  mkdir "$work/two" "$work/runtime"
  for person in '1 山田花子' '2 <林>&森'; do
    born_today "${person% *}" "${person#* }" | "$driver" --dir "$work/two" >/dev/null
  done
  # No session bus at all, not even one that X11 could start.
  notify "$work/two" -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY XDG_RUNTIME_DIR="$work/runtime"
  ended_saying 'biorhythm: セッションバスに接続できないため、今日の要注意日を知らせられません'

  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  # The bus daemon's complaint that it may not raise its own file limit is no news.
  DISPLAY=":$(head -n1 "$work/display")" NOTIFY_CHECK_WORK=$work \
    dbus-run-session --config-file="$here/session_bus.conf" -- "$0" "$@" \
    2> >(grep -v 'Failed to set fd limit' >&2)
  exit
fi

# Inside the private session bus, which starts no daemon by itself.
work=$NOTIFY_CHECK_WORK
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config
started=()  # dunst, and the program the action starts
trap 'kill "${started[@]}" 2>/dev/null; wait 2>/dev/null' EXIT
displayed() {
  for _ in $(seq 100); do
    [ "$(dunstctl count displayed)" = "$1" ] && return
    sleep 0.1
  done
  fail "dunst does not show $1 notification(s)"
}

notify "$work/two"
ended_saying 'biorhythm: 通知サービスに今日の要注意日を送れません（org.freedesktop.DBus.Error.ServiceUnknown: '

dunst -conf "$here/dunstrc" >"$work/dunst.log" 2>&1 &
started+=($!)
for _ in $(seq 100); do dunstctl debug >/dev/null 2>&1 && break; sleep 0.1; done
dunstctl debug >/dev/null || fail "dunst did not start: $(cat "$work/dunst.log")"

# Nobody on a caution day in an empty register.
mkdir "$work/nobody"
notify "$work/nobody"
ended_saying
[ "$(dunstctl count displayed)" = 0 ] && [ "$(dunstctl count history)" = 0 ] ||
  fail "a notification for nobody"

notify "$work/two"
displayed 1
dunstctl close
ended_saying
dunstctl history | /usr/bin/python3 -c '
import json, sys
history = json.load(sys.stdin)["data"][0]
got = [(n["appname"]["data"], n["summary"]["data"], n["body"]["data"]) for n in history]
want = [("バイオリズム診断", "今日の要注意日（2人）",
         "山田花子さん：感情・知性・身体\n&lt;林&gt;&amp;森さん：感情・知性・身体")]
sys.exit(0 if got == want else "history: %r" % got)' || fail "not the one notification"

# The default action opens the overview, and nothing else.
notify "$work/two"
displayed 1
dunstctl action 0
ended_saying
for _ in $(seq 100); do
  xwininfo -root -tree >"$work/windows"
  window=$(grep -F '"今日のバイオリズム一覧"' "$work/windows" | awk '{print $1}') || true
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no itiran window after the action"
started+=("$(xprop -id "$window" _NET_WM_PID | awk '{print $3}')")
! grep -qF '"バイオリズム診断"' "$work/windows" || fail "baio was shown as well"
echo OK
