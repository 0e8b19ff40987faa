#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the C locale
# and once under a decimal-comma locale; window tests run under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
kortavex_install_packages
kortavex_build
xvfb-run -a ctest --test-dir build --output-on-failure -j2
LC_ALL=de_DE.UTF-8 xvfb-run -a ctest --test-dir build --output-on-failure -j2
