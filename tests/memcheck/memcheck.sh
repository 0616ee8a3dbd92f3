#!/usr/bin/env bash
# Usage: memcheck.sh BIORHYTHM_SCRIPT SCRIPT
# Runs a whole scripted session under valgrind's memcheck in a fresh directory
# and fails on any memory error or leak.
set -euo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
  --show-leak-kinds=definite,indirect \
  "$1" --dir "$dir" --today 2026-12-07 "$2" >"$dir/.out"
grep -q '^end$' "$dir/.out" || { echo "the session did not run to its end" >&2; exit 1; }
