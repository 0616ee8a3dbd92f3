#!/usr/bin/env bash
# Usage: msi_round_trip_test.sh WINE_RUN MSI FIRST_START
# The installer under Wine, in a fresh prefix of the test's own: per user, the
# programs and the Start menu entry; the installed driver runs the suite's
# first-start script with its data in %APPDATA%\biorhythm (it is not portable);
# the uninstall removes the programs and the entry and leaves that data.
set -euo pipefail
wine_run=$1
msi=Z:${2//\//\\} # a leading / would be an option to msiexec
first_start=$3
: "${BIO_WINE_ROOT:?should name a folder of Wine prefixes for this test alone}"
export LC_ALL=C.UTF-8 # Wine reads the arguments in the locale's encoding
fail() { echo "msi_round_trip: $*" >&2 && exit 1; }
# What an earlier run installed would hide what this package does.
"$wine_run" --cleanup
rm -rf "$BIO_WINE_ROOT"
work=$(mktemp -d)
trap '"$wine_run" --cleanup; rm -rf "$work"' EXIT

"$wine_run" msiexec /i "$msi" /qn >"$work/out" 2>&1 || fail "install: $(cat "$work/out")"
# The prefix's one user, named as Wine names it.
profile=$(find "$BIO_WINE_ROOT/$(id -un)/prefix/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public)
programs=$profile/AppData/Local/Programs/biorhythm
entry="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/バイオリズム診断.lnk"
data=$profile/AppData/Roaming/biorhythm
[ "$(cd "$programs" && echo *)" = "biorhythm-script.exe biorhythm.exe" ] ||
  fail "installed: $(find "$profile" -name '*.exe')"
[ -f "$entry" ] || fail "no Start menu entry: $(find "$profile" -name '*.lnk')"
# Published for this user (a machine-wide install goes under HKLM).
"$wine_run" reg query 'HKCU\Software\Microsoft\Installer\Products' /s >"$work/out" 2>&1 || true
grep -q 'biorhythm\.ico' "$work/out" || fail "not installed per user: $(cat "$work/out")"

driver=$programs/biorhythm-script.exe
"$wine_run" "$driver" --today "$(cat "$first_start.today")" "$first_start.script" >"$work/out" 2>&1 || true
diff -u "$first_start.expected" "$work/out" || fail "the installed driver's first start differs"
cp "$data/kojinfl.txt" "$work/kojinfl.txt" || fail "no kojinfl.txt in %APPDATA%\\biorhythm"

"$wine_run" msiexec /x "$msi" /qn >"$work/out" 2>&1 || fail "uninstall: $(cat "$work/out")"
[ ! -e "$programs/biorhythm.exe" ] && [ ! -e "$programs/biorhythm-script.exe" ] && [ ! -e "$entry" ] ||
  fail "the uninstall left: $(ls "$programs") $(find "$profile" -name '*.lnk')"
cmp "$work/kojinfl.txt" "$data/kojinfl.txt" || fail "the uninstall touched %APPDATA%\\biorhythm"
echo "installed, run and uninstalled; the user's data kept"
