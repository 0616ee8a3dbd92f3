# shellcheck shell=bash
# Sourced, after tests/a11y/session.sh (for wait_until and fail): the Windows
# desktop program under Wine driven by keys, sent by xdotool as from a
# keyboard, with its windows found by their titles; and the IPA fonts for
# Windows' Japanese faces.

# map_keys TEXT...: puts every character of TEXT outside ASCII on a key of
# its own, before the program starts: on the letter keys from Q on, which
# the sessions never type. Wine reads a character back from its key when it
# translates the key press, and finds none for a key it cannot tell apart
# from others (the spare keycodes xdotool would map such a character to).
map_keys() {
  local chars code=24 c sym
  chars=$(printf '%s' "$*" | grep -o '[^ -~]' | sort -u)
  for c in $chars; do
    sym=$(printf 'U%04X' "'$c")
    xmodmap -e "keycode $code = $sym $sym" || return 1
    code=$((code + 1))
  done
}
keys() { xdotool key --delay 60 "$@"; }
# One character at a time: of a burst, Wine may drop the first.
type_text() {
  local i
  for ((i = 0; i < ${#1}; i++)); do
    xdotool type "${1:i:1}"
    sleep 0.05
  done
}
# Types each TEXT into a box of its own, Tab between them.
fill() {
  local text
  type_text "$1"
  shift
  for text in "$@"; do
    keys Tab
    type_text "$text"
  done
}
tabs() {
  local i
  for ((i = 0; i < $1; i++)); do keys "${2:-Tab}"; done
}

# The visible window titled TITLE that is none of EXCEPT, once there; it is
# made the active one, so that the keys go to it.
window() {
  local title=$1 id
  shift
  for _ in $(seq 300); do
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
      if [[ " $* " != *" $id "* ]]; then
        xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
        sleep 0.3
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  fail "no window '$title' came up"
}
# Waits until the active window is a dialog titled TITLE (a regular
# expression; a message box's title is empty) and prints it. Wine marks its
# dialogs as such for the window manager; a screen's new window, which has
# no title yet for a moment, is not one.
dialog() {
  local id name
  for _ in $(seq 200); do
    if id=$(xdotool getactivewindow 2>/dev/null) && name=$(xdotool getwindowname "$id" 2>/dev/null) &&
      [[ $name =~ ^(${1:-})$ ]] && xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q _DIALOG; then
      sleep 0.3
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  fail "no dialog '${1:-}' came up"
}
# Answers the dialog titled TITLE with Enter, and waits for it to go.
answer() {
  local id
  id=$(dialog "${1:-}")
  keys Return
  wait_until sh -c "[ \"\$(xdotool getactivewindow)\" != $id ]" || fail "the dialog stays"
}
gone() { wait_until no_window --onlyvisible --name "^$1\$" || fail "'$1' stays"; }

# japanese_fonts WINE_RUN [MINCHO]: the IPA fonts stand for Windows' Japanese
# faces (without them list boxes draw boxes), ＭＳ 明朝 for MINCHO (IPAMincho
# unless named); the message font is Yu Gothic UI 9 pt, as on a Japanese
# Windows 10, where Wine's own is Tahoma.
japanese_fonts() {
  local wine_run=$1 face out
  for face in 'MS UI Gothic:IPAPGothic' 'Meiryo:IPAPGothic' 'Yu Gothic:IPAPGothic' \
    'Yu Gothic UI:IPAPGothic' 'ＭＳ ゴシック:IPAGothic' "ＭＳ 明朝:${2:-IPAMincho}"; do
    out=$("$wine_run" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%:*}" \
      /d "${face#*:}" /f 2>&1) || { echo "reg add: $out" >&2; return 1; }
  done
  # A LOGFONTW: 12 pixels at 96 dots to the inch, regular, SHIFTJIS_CHARSET.
  out=$("$wine_run" reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v MessageFont \
    /t REG_BINARY /d "f4ffffff000000000000000000000000900100000000008000000000$(
      printf 'Yu Gothic UI' | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')$(
      printf '0%.0s' $(seq 80))" /f 2>&1) || { echo "reg add: $out" >&2; return 1; }
}

# scale_display WINE_RUN LOGPIXELS: the display at LOGPIXELS dots to the inch
# (96 is 100 %, 144 is 150 %), as Windows' display settings set it.
scale_display() {
  local out
  out=$("$1" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f 2>&1) ||
    { echo "reg add: $out" >&2; return 1; }
}
