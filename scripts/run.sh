#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
kortavex_install_packages
kortavex_build
exec ./build/kortavex
