#!/usr/bin/env bash
# Usage: package_check.sh CPACK CPACK_CONFIG
# Builds the Debian package as `make package` does, into a folder of its own,
# and checks it: lintian finds no errors, it holds the installed files and not
# the build's portable marker, it depends on the Japanese fonts.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

"$1" --config "$2" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(echo "$work"/biorhythm_*_*.deb)
[ -f "$deb" ] || fail "no package: $deb"
status=0
lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian" || true
[ "$status" -eq 0 ] || fail "lintian reports errors"

dpkg-deb --contents "$deb" | awk '{print $6}' >"$work/contents"
for f in bin/biorhythm bin/biorhythm-script share/applications/jp.biorhythm.Biorhythm.desktop \
  share/metainfo/jp.biorhythm.Biorhythm.metainfo.xml \
  share/icons/hicolor/scalable/apps/jp.biorhythm.Biorhythm.svg \
  share/icons/hicolor/48x48/apps/jp.biorhythm.Biorhythm.png share/man/man1/biorhythm.1.gz \
  share/man/man1/biorhythm-script.1.gz share/doc/biorhythm/copyright; do
  grep -qxF "./usr/$f" "$work/contents" || fail "not in the package: /usr/$f"
done
! grep -q portable "$work/contents" || fail "the portable marker is in the package"
depends=$(dpkg-deb --field "$deb" Depends)
for p in fonts-ipafont-gothic fonts-ipafont-mincho libqt6widgets6; do
  [[ $depends == *"$p"* ]] || fail "does not depend on $p: $depends"
done
