#!/usr/bin/env bash
# Usage: install_check.sh CHECK STAGE [CMAKE BUILD | VERSION]
# The program as `cmake --install` leaves it under the prefix STAGE. CHECK:
#   stage           installs the build tree BUILD into STAGE (the others need it)
#   files           the desktop file, AppStream metadata, icons and manual pages
#   command_line    --help, --version VERSION, unknown options and Qt's options
#   dir_option      --dir and --data-dir win over a folder's own data
#   dir_beside      a folder with kojinfl.txt, kojinfl2.txt or portable keeps its data
#   dir_per_user    otherwise XDG_DATA_HOME/biorhythm, made 0700 on the first write
#   dir_unwritable  a data directory that cannot be made: a message, no crash
set -euo pipefail
check=$1
stage=$2
bin=$stage/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$check: $*" >&2; exit 1; }

cat >"$work/reading.script" <<'SCRIPT'
set baio.Text7 "ＡＢＣＤ"
select baio.Option3
set baio.Text1 "38"
set baio.Text2 "5"
set baio.Text3 "10"
enter baio
get sindan.Text9
SCRIPT
# reading DRIVER [OPTION...]: a reading with HOME in the work folder and no XDG_DATA_HOME.
reading() {
  local driver=$1
  shift
  mkdir -p "$work/home"
  env -u XDG_DATA_HOME HOME="$work/home" "$driver" "$@" --today 2026-12-07 "$work/reading.script" \
    >"$work/out" || fail "the reading failed: $(cat "$work/out")"
  grep -qxF 'sindan.Text9 = "23222"' "$work/out" || fail "no reading: $(cat "$work/out")"
}
# copy_with MARKER: the installed driver copied into a folder of its own, beside MARKER.
copy_with() {
  local folder=$work/copy-$1
  mkdir "$folder"
  cp "$bin/biorhythm-script" "$folder/"
  : >"$folder/$1"
  echo "$folder"
}
untouched_home() { [ -z "$(ls -A "$work/home")" ] || fail "wrote into the per-user folder: $1"; }

case $check in
stage)
  rm -rf "$stage"
  "$3" --install "$4" --prefix "$stage" >/dev/null
  ;;
files)
  desktop-file-validate "$stage/share/applications/jp.biorhythm.Biorhythm.desktop"
  appstreamcli validate --no-net "$stage/share/metainfo/jp.biorhythm.Biorhythm.metainfo.xml" >/dev/null
  for f in bin/biorhythm bin/biorhythm-script share/icons/hicolor/scalable/apps/jp.biorhythm.Biorhythm.svg \
    share/icons/hicolor/48x48/apps/jp.biorhythm.Biorhythm.png share/man/man1/biorhythm.1.gz \
    share/man/man1/biorhythm-script.1.gz; do
    [ -f "$stage/$f" ] || fail "not installed: $f"
  done
  [ ! -e "$bin/portable" ] || fail "the portable marker was installed"
  ;;
command_line)
  # The desktop program answers before it needs a display.
  for program in biorhythm biorhythm-script; do
    run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$program" "$@"; }
    [ "$(run --version)" = "$program $3" ] || fail "$program --version: $(run --version)"
    run --help | grep -q "^使い方: $program " || fail "$program --help"
    status=0
    run --no-such-option 2>"$work/err" || status=$?
    [ "$status" -eq 2 ] && grep -q "^使い方: $program " "$work/err" || fail "$program: unknown option"
  done
  # Qt's own options reach Qt (without a display it would stop at once), and a
  # program that is only looked at writes nothing.
  mkdir "$work/home"
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" \
    timeout 1 "$bin/biorhythm" -platform offscreen 2>/dev/null || status=$?
  [ "$status" -eq 124 ] || fail "biorhythm -platform offscreen ended with status $status"
  untouched_home "at start"
  ;;
dir_option)
  folder=$(copy_with portable)
  for option in --dir --data-dir; do
    mkdir "$work/data$option"
    reading "$folder/biorhythm-script" "$option" "$work/data$option"
    [ -f "$work/data$option/kojinfl.txt" ] || fail "$option: nothing in the folder named"
  done
  [ ! -e "$folder/kojinfl.txt" ] || fail "wrote beside the executable"
  untouched_home "$option"
  ;;
dir_beside)
  for marker in kojinfl.txt kojinfl2.txt portable; do
    folder=$(copy_with "$marker")
    reading "$folder/biorhythm-script"
    [ -s "$folder/kojinfl.txt" ] || fail "$marker: the reading was not kept beside the executable"
    untouched_home "$marker"
  done
  ;;
dir_per_user)
  reading "$bin/biorhythm-script"
  data=$work/home/.local/share/biorhythm
  [ -f "$data/kojinfl.txt" ] || fail "no kojinfl.txt in $data"
  [ "$(stat -c %a "$data")" = 700 ] || fail "$data is not for the user alone"
  [ "$(ls "$bin")" = "$(printf 'biorhythm\nbiorhythm-script')" ] || fail "wrote beside the executable"
  [ "$(env -u XDG_DATA_HOME HOME="$work/home" "$bin/biorhythm" --help | tail -n1)" = \
    "データのフォルダー: $data" ] || fail "biorhythm --help does not name $data"
  echo 'get baio.Text7' | env -u XDG_DATA_HOME HOME="$work/home" "$bin/biorhythm-script" |
    grep -qxF 'baio.Text7 = "ＡＢＣＤ"' || fail "the next start does not read the last person"
  XDG_DATA_HOME=$work/xdg "$bin/biorhythm-script" --today 2026-12-07 "$work/reading.script" >/dev/null
  [ -f "$work/xdg/biorhythm/kojinfl.txt" ] || fail "XDG_DATA_HOME is not followed"
  ;;
dir_unwritable)
  : >"$work/file"
  env -u XDG_DATA_HOME HOME="$work/file" "$bin/biorhythm-script" --today 2026-12-07 \
    "$work/reading.script" >"$work/out" || fail "the program failed"
  grep -q "^msgbox \".*フォルダー $work/file/.local/share/biorhythm を作成できません：.*\" title \"誤り警告\"" \
    "$work/out" || fail "no message naming the folder: $(cat "$work/out")"
  grep -qxF 'sindan.Text9 = "23222"' "$work/out" || fail "the reading did not go on"
  ;;
*) fail "unknown check" ;;
esac
