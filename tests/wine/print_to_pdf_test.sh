#!/usr/bin/env bash
# Usage: print_to_pdf_test.sh WINE_RUN PRINT_PROBE
# Wine prints through CUPS: print_probe.exe, under Wine in a prefix of this
# test's own (BIO_WINE_ROOT), prints one page on the default printer, a
# private cups-pdf queue; exactly one PDF must come of it, one A4 page with
# the probe's line as text and its rule where the probe draws it.
set -euo pipefail
wine_run=$1
probe=$2
: "${BIO_WINE_ROOT:?should name a folder of Wine prefixes for this test alone}"
# Wine turns the arguments into UTF-16 from the locale's encoding.
export LC_ALL=C.UTF-8
# shellcheck source=SCRIPTDIR/pdf_printer.sh
. "$(dirname "$0")/pdf_printer.sh"

finish() {
  "$wine_run" --cleanup
  pdf_printer_stop
  rm -rf "$work"
}
fail() {
  echo "print_to_pdf: $*" >&2
  cat "$work/probe.out" >&2 2>/dev/null || true
  pdf_printer_logs
  exit 1
}

pdf_printer_start
work=$(mktemp -d)
trap finish EXIT

# Wine has no ＭＳ 明朝; the replacement is a Mincho whose glyph names are
# Unicode's. Wine's PostScript driver names each glyph after the font's post
# table and gives no other clue to its character: with IPAMincho's names
# (aj1234, Adobe-Japan1 numbers) the PDF's text could not be read back.
"$wine_run" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ 明朝' /d Dejima /f \
  >"$work/reg.out" 2>&1 || fail "reg add: $(cat "$work/reg.out")"

line='生体リズムを印刷する'
"$wine_run" "$probe" "$line" >"$work/probe.out" 2>&1 || fail "print_probe.exe failed"
pdf_printer_wait 60 || fail "the job did not end"

mapfile -t pdfs < <(printed_pdfs)
[ "${#pdfs[@]}" -eq 1 ] || fail "${#pdfs[@]} PDFs instead of one: ${pdfs[*]}"
pdf=${pdfs[0]}

pdfinfo "$pdf" >"$work/info"
pages=$(awk '/^Pages:/ { print $2 }' "$work/info")
[ "$pages" = 1 ] || fail "$pages pages instead of one"
pdf_info_is_a4 "$work/info" ||
  fail "not A4: $(grep '^Page size:' "$work/info")"

text=$(pdftotext "$pdf" - | tr -d '\f' | sed '/^[[:space:]]*$/d')
[ "$text" = "$line" ] || fail "the page reads '$text' instead of '$line'"

# The face asked for, not a fallback that happens to have the glyphs.
fonts=$(pdffonts "$pdf" | tail -n +3 | awk '{ print $1 }')
[[ "$fonts" =~ ^[A-Z]{6}\+dejima-mincho$ ]] || fail "fonts on the page: $fonts"

# The probe's rule, a point wide, runs from 1 to 5 inches across at 1.5
# inches from the top, below the text that starts at 1 inch: so everything
# drawn lies within 72..360 points across and 734..770 up, give or take
# half the pen's width and the rounding to the printer's dots.
bbox=$(gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=bbox "$pdf" 2>&1 | awk '/^%%HiResBoundingBox:/ { print $2, $3, $4, $5 }')
echo "$bbox" | awk '{ exit !($1 >= 70.5 && $1 <= 72 && $2 >= 732.5 && $2 <= 734 &&
                            $3 >= 360 && $3 <= 361.5 && $4 > 745 && $4 <= 770.5) }' ||
  fail "what is drawn spans '$bbox' (left bottom right top, in points)"

cat "$work/probe.out"
echo "one A4 page printed through Wine: $(basename "$pdf")"
