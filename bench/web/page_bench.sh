#!/usr/bin/env bash
# Runs page_bench.mjs on build-web/site with the test packages installed.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/tests/web/browser/npm_ci.sh" "$root/tests/web/browser" "$root/build-web/node" >/dev/null
BIO_NODE_MODULES=$root/build-web/node/node_modules BIO_SITE=$root/build-web/site \
  node "$root/bench/web/page_bench.mjs"
