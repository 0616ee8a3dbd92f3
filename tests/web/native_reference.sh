#!/usr/bin/env bash
# Usage: native_reference.sh SOURCE_DIR NATIVE_DIR
# Makes sure NATIVE_DIR holds an up-to-date native biorhythm-script and
# cp932_table, the references of the web build's checks: a no-op after
# `make build`, a build of the two (after a configure with the dev preset,
# when NATIVE_DIR has none) otherwise.
set -euo pipefail
source=$1
native=$2
if [ ! -f "$native/CMakeCache.txt" ]; then
  (cd "$source" && cmake --preset dev -B "$native" >/dev/null)
fi
cmake --build "$native" --target biorhythm-script cp932_table
