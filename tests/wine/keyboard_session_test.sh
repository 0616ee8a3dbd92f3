#!/usr/bin/env bash
# Usage: keyboard_session_test.sh WINE_RUN BIORHYTHM_EXE SCRIPT_EXE SCRIPT PRINT_PROBE_EXE SCREEN_PROBE_EXE [LOGPIXELS]
# The Windows desktop program used by keyboard alone under Wine, on a display
# of its own with a window manager, the keys sent by xdotool as from a
# keyboard, in the order of SCRIPT (keyboard_session.script): a reading with
# the name typed through fcitx5 and Mozc (over XIM, which Wine's X11 driver
# speaks) and Enter, 翌月 by Page Down, the report by Ctrl+P, two
# records through 更新, a search through 検索, 登録 and a compatibility run,
# Esc back to the menu, the overview and 終了. The report goes to a cups-pdf
# queue whose paper is Letter, with twice the dots down the page as across,
# and must come out as one A4 page with its frame where the layout puts it;
# the message printed after it (メッセージ印刷 from the menu bar) on the
# user's Letter; the queue's own paper must still be Letter at the end, and
# the data folder must then hold byte for byte what the script driver writes
# for SCRIPT. On each of the eight screens SCREEN_PROBE_EXE (screen_probe.exe)
# reads every control as a screen reader does, which must hear what the
# driver names for the same moment, and finds no text clipped and no control
# over another (screen_reading_check.py); at LOGPIXELS dots to the inch (96,
# or 144 for a display scaled to 150 %).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$1 program=$2 driver=$3 script=$4 print_probe=$5 probe_exe=$6 logpixels=${7:-96}
: "${BIO_WINE_ROOT:?should name a folder of Wine prefixes for this test alone}"
# Wine turns the arguments and the window titles from and into the locale's
# encoding; bash counts the characters typed in it.
export LC_ALL=C.UTF-8
# shellcheck source=SCRIPTDIR/../a11y/session.sh
. "$here/../a11y/session.sh"
# shellcheck source=SCRIPTDIR/../a11y/input_method.sh
. "$here/../a11y/input_method.sh"
# shellcheck source=SCRIPTDIR/pdf_printer.sh
. "$here/pdf_printer.sh"
# shellcheck source=SCRIPTDIR/desktop_keys.sh
. "$here/desktop_keys.sh"

# The printer first: stop_all waits for every child, cupsd too.
finish() {
  "$wine_run" --cleanup
  pdf_printer_stop
  stop_input_method
  stop_all
  rm -rf "$work"
}
# What went wrong, with the logs of the printer and the program.
fail() {
  echo "FAIL: $*" >&2
  pdf_printer_logs
  cat "$work/program.log" "$work/fcitx5.log" >&2 2>/dev/null || true
  exit 1
}

pdf_printer_start Letter 300x600dpi
trap finish EXIT
start_display
start_window_manager
# The user's choice of the printer's resolution, which the queue offers.
"$wine_run" "$print_probe" --resolution 300 600 >"$work/probe.out" 2>&1 ||
  fail "the printer's resolution: $(cat "$work/probe.out")"
start_input_method

# ＭＳ 明朝, the report's face, maps to a Mincho whose glyph names are
# Unicode's, so that the printed text reads back (see print_to_pdf_test.sh).
japanese_fonts "$wine_run" Dejima || fail "the fonts could not be replaced"
scale_display "$wine_run" "$logpixels" || fail "the display could not be scaled"

# probe TITLE SCREEN: the shown window TITLE read as a screen reader reads it.
probe() {
  "$wine_run" "$probe_exe" "$1" >"$work/probe/$2.txt" 2>&1 ||
    fail "the probe of $2: $(cat "$work/probe/$2.txt")"
}

mkdir "$work/data" "$work/expected" "$work/probe"
XMODIFIERS=@im=fcitx "$wine_run" "$program" --data-dir "$work/data" >"$work/program.log" 2>&1 &
pids+=($!)

# baio opens on its name box; the era by the arrows; the target date boxes
# come after the number, age and Western-year boxes.
baio=$(window 'バイオリズム診断')
probe 'バイオリズム診断' baio
compose yamada # 山田
keys Tab Down Down Tab
fill 50 5 5
tabs 4
fill 2026 12 9
keys Return
sindan=$(window 'バイオリズム診断' "$baio")
keys Next
probe 'バイオリズム診断' sindan
keys ctrl+p
answer '印刷|Print'
window 'バイオリズム診断' "$baio" >/dev/null
pdf_printer_wait 60 || fail "the report's job did not end"
keys F10 Return # メッセージ印刷, the menu bar's first
answer '印刷|Print'
window 'バイオリズム診断' "$baio" >/dev/null
pdf_printer_wait 60 || fail "the message's job did not end"

keys Escape
window 'バイオリズム診断' "$sindan" >/dev/null
keys Escape
# menyu, first opened, holds the focus on 相 性 診 断; 更新 is four Tabs on,
# 検索 two back from it, and 相 性 診 断 two back from that.
window 'バイオリズム相性診断 Ver.2.0' >/dev/null
probe 'バイオリズム相性診断 Ver.2.0' menyu
tabs 4
keys Return
window '更新' >/dev/null
probe 更新 kousin
# Each record's six boxes, the name and the era composed, then 更　新 and
# its message.
record() {
  fill "$1"
  keys Tab
  compose "$2"
  keys Tab
  compose "$3"
  keys Tab
  fill "$4" "$5" "$6"
  keys Tab Return
  answer
  window '更新' >/dev/null
}
record 1 yamadatarou shouwa 40 5 10 # 山田太郎, 昭和
keys Tab Tab # past メニューへ, round to the number
record 2 yamadahanako shouwa 42 8 3 # 山田花子, 昭和
keys Escape
window 'バイオリズム相性診断 Ver.2.0' >/dev/null
tabs 2 shift+Tab
keys Return
dialog 検索氏名入力 >/dev/null
compose yamada # 山田
keys Return
window '表示画面' >/dev/null
probe 表示画面 hyouji
keys Escape
gone '表示画面'
window 'バイオリズム相性診断 Ver.2.0' >/dev/null
tabs 2 shift+Tab
keys Return
# aisyou opens on 登録, with the last two records as its persons.
window '相性診断' >/dev/null
keys Return
answer
window '相性診断' >/dev/null
probe 相性診断 aisyou
tabs 11
fill 9 12 2026
keys Return
answer # 次へ, between the two persons' readings
window '相性診断メッセージ' >/dev/null
probe 相性診断メッセージ aisyousin
keys Escape
window '相性診断' >/dev/null
keys Escape
window 'バイオリズム相性診断 Ver.2.0' >/dev/null
tabs 2 shift+Tab # 一　覧　表
keys Return
window 今日のバイオリズム一覧 >/dev/null
probe 今日のバイオリズム一覧 itiran
keys Escape
window 'バイオリズム相性診断 Ver.2.0' >/dev/null
keys Tab Return # 終　　　了, after 一　覧　表
program_pid=${pids[-1]}
wait_until sh -c "! kill -0 $program_pid" || fail "the program did not end"
wait "$program_pid" || fail "the program ended with status $?"
pids=("${pids[@]:0:${#pids[@]}-1}")

mapfile -t pdfs < <(printed_pdfs)
[ "${#pdfs[@]}" -eq 2 ] || fail "${#pdfs[@]} PDFs instead of the report and the message"
# cups-pdf names them by job, so in the order printed.
report=${pdfs[0]} message=${pdfs[1]}
pdfinfo "$report" >"$work/info"
grep -q '^Pages: *1$' "$work/info" || fail "the report: $(grep '^Pages:' "$work/info")"
# A4 on a queue whose own paper is Letter.
pdf_info_is_a4 "$work/info" || fail "the report is not A4: $(grep '^Page size:' "$work/info")"
# The frames run from 15 to 195 mm across the sheet (42.5 to 552.8 points),
# give or take half a frame's width and a dot; a page laid out with the dots
# down the page for those across would run off its right edge. The text is
# left out: Wine sizes glyphs by the dots down alone, so on such a printer
# its text runs wide, where Windows keeps each axis's own.
bbox=$(gs -q -dNOPAUSE -dBATCH -dSAFER -dFILTERTEXT -sDEVICE=bbox "$report" 2>&1 |
  awk '/^%%HiResBoundingBox:/ { print $2, $4 }')
echo "$bbox" | awk '{ exit !($1 >= 41.5 && $1 <= 43 && $2 >= 552 && $2 <= 554) }' ||
  fail "the report spans '$bbox' across (left right, in points)"
pdftotext "$report" - | grep -q '山田さんのバイオリズム' || fail "the report does not read right"
# The user's paper for the user's document: the report's A4 was its own.
pdfinfo "$message" | grep -q '^Page size: *612 x 792 pts' ||
  fail "the message is not on Letter: $(pdfinfo "$message" | grep '^Page size:')"

"$wine_run" "$driver" --dir "$work/expected" --today 2026-12-09 "$script" \
  >"$work/driver.out" 2>&1 || fail "the driver: $(cat "$work/driver.out")"
for file in kojinfl.txt kojinfl2.txt; do
  cmp "$work/expected/$file" "$work/data/$file" || fail "$file differs from the driver's"
done
# The printer's own settings, as Windows keeps them for the user and as CUPS does.
settings=$("$wine_run" "$print_probe" --settings | tr -d '\r')
[ "$settings" = "paper 1 300x600" ] || fail "the printer's settings are now '$settings'"
grep -q '^\*DefaultPageSize: Letter' "$(pdf_printer_ppd)" ||
  fail "the queue's paper is now $(grep '^\*DefaultPageSize' "$(pdf_printer_ppd)")"
/usr/bin/python3 "$here/screen_reading_check.py" "$work/driver.out" "$work/probe" "$logpixels" \
  baio sindan menyu kousin hyouji aisyou aisyousin itiran ||
  fail "the screens do not read or fit as they should at $logpixels dots to the inch"
echo "a keyboard session under Wine at $logpixels dots to the inch, its Japanese typed through Mozc, wrote what the driver writes;" \
  "the report printed on A4, the message on Letter; every screen read right and fitted"
