#!/usr/bin/env bash
# Usage: wine_run.sh EXE [ARGS...]   runs one Windows program, exits with its status
#        wine_run.sh --console EXE [ARGS...]
#                                    the same on a terminal of its own, so that its
#                                    standard streams are a console; prints what the
#                                    terminal shows, without its control sequences
#        wine_run.sh --setup         makes the prefixes the tests use, starts their servers
#        wine_run.sh --cleanup       stops those servers
# BIO_WINE_ROOT names the build's folder of Wine prefixes: one per user,
# $BIO_WINE_ROOT/USER/prefix, made on first use, so that nothing of the
# user's own Wine is read or changed.
#
# The prefix's server is kept warm (wineserver -p), so a start costs tenths
# of a second instead of seconds. Such a server holds on to whatever its
# starter's output went to, and would keep a reader of that pipe waiting
# forever: it is started with its output sent to /dev/null, and the program
# writes into files that are copied out once it has ended.
set -euo pipefail
: "${BIO_WINE_ROOT:?should name the folder of the build Wine prefixes}"
# 64-bit Wine alone: Debian's /usr/bin/wine asks for the 32-bit half, and its
# /usr/bin/wineserver makes every server end with its last program.
wine=${BIO_WINE:-/usr/lib/wine/wine64}
wineserver=${BIO_WINESERVER:-/usr/lib/wine/wineserver64}
export WINEDEBUG=-all
# No Mono or Gecko to offer, and no menu entries on the user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
BIO_WINE_ROOT=$(realpath -m "$BIO_WINE_ROOT")  # Wine takes no relative prefix
home=$BIO_WINE_ROOT/$(id -un)
export WINEPREFIX=$home/prefix
# run_export_test.sh runs the driver as nobody when it runs as root, so that
# permissions hold; that user needs a prefix of its own.
unprivileged=(setpriv --reuid=nobody --regid=nogroup --clear-groups)

# The server is started by hand before any program, and kept for ten
# minutes after the last one (so that a build's test listing leaves nothing
# running for good); the lock's descriptor never reaches it. When one
# already runs, this one just exits. A server started under a program's
# file size limit (csv_files_check.py sets one) cannot write the registry
# and dies: the tests' fixture starts it first.
start_server() {
  "$wineserver" -p600 </dev/null >/dev/null 2>&1 9>&- || true
}

# Makes the prefix once (wineboot takes some ten seconds); concurrent first
# runs wait for the one that makes it.
prepare() {
  if [ -f "$home/made" ]; then
    start_server
    return
  fi
  mkdir -p "$home"
  (
    flock 9
    if [ ! -f "$home/made" ]; then
      rm -rf "$WINEPREFIX"
      mkdir -p "$WINEPREFIX"
      start_server
      if ! "$wine" wineboot -i </dev/null >"$home/wineboot.log" 2>&1 9>&-; then
        echo "wine_run.sh: wineboot failed in $WINEPREFIX:" >&2
        cat "$home/wineboot.log" >&2
        exit 1
      fi
      touch "$home/made"
    fi
  ) 9>"$home/lock"
  start_server
}

case "${1:-}" in
--setup)
  prepare
  if [ "$(id -u)" -eq 0 ]; then
    mkdir -p "$BIO_WINE_ROOT/nobody"
    chown nobody:nogroup "$BIO_WINE_ROOT/nobody"
    "${unprivileged[@]}" "$0" --prepare
  fi
  exit 0
  ;;
--prepare)
  prepare
  exit 0
  ;;
--cleanup)
  "$wineserver" -k 2>/dev/null || true
  if [ "$(id -u)" -eq 0 ] && [ -d "$BIO_WINE_ROOT/nobody/prefix" ]; then
    "${unprivileged[@]}" env WINEPREFIX="$BIO_WINE_ROOT/nobody/prefix" "$wineserver" -k 2>/dev/null || true
  fi
  exit 0
  ;;
--console)
  shift
  prepare
  typescript=$(mktemp)
  trap 'rm -f "$typescript"' EXIT
  status=0
  script --quiet --return --command "$(printf '%q ' "$wine" "$@")" "$typescript" \
    </dev/null >/dev/null 2>&1 || status=$?
  # script's own: the first line, and a line break and a line at the end.
  # The console moves the cursor over blanks instead of writing them.
  sed -e '1d' -e '$d' "$typescript" |
    perl -pe 's/\e\[(\d*)C/" " x ($1 || 1)/ge; s/\e\[[0-9;?]*[A-Za-z]//g; s/\r//g' |
    sed '${/^$/d}'
  exit "$status"
  ;;
"")
  echo "usage: wine_run.sh [--console] EXE [ARGS...] | --setup | --cleanup" >&2
  exit 2
  ;;
esac

prepare
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0
# One file when the caller joined both streams, so their order survives.
if [ /dev/stdout -ef /dev/stderr ]; then
  "$wine" "$@" >"$out" 2>&1 || status=$?
else
  "$wine" "$@" >"$out" 2>"$err" || status=$?
fi
cat "$out"
cat "$err" >&2
exit "$status"
