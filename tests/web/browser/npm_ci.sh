#!/usr/bin/env bash
# Usage: npm_ci.sh PACKAGE_DIR INSTALL_DIR
# Installs the page tests' npm packages (Playwright's core, which drives the
# machine's Chromium and downloads no browser, and axe-core) into
# INSTALL_DIR exactly as package-lock.json pins them: a no-op while the
# lock is unchanged.
set -euo pipefail
source=$1
install=$2
mkdir -p "$install"
if cmp -s "$source/package-lock.json" "$install/package-lock.json" && [ -d "$install/node_modules" ]; then
  exit 0
fi
cp "$source/package.json" "$source/package-lock.json" "$install/"
cd "$install"
npm ci --no-audit --no-fund --ignore-scripts
