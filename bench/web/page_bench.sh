#!/usr/bin/env bash
# Runs page_bench.mjs, then Lighthouse (lighthouse.mjs), on build-web/site,
# each with its npm packages installed from its lock file.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/tests/web/browser/npm_ci.sh" "$root/tests/web/browser" "$root/build-web/node" >/dev/null
"$root/tests/web/browser/npm_ci.sh" "$root/bench/web/lighthouse" "$root/build-web/lighthouse" >/dev/null
export BIO_NODE_MODULES=$root/build-web/node/node_modules BIO_SITE=$root/build-web/site
node "$root/bench/web/page_bench.mjs"
BIO_LIGHTHOUSE=$root/build-web/lighthouse/node_modules/.bin/lighthouse node "$root/bench/web/lighthouse.mjs"
