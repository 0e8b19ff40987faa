#!/usr/bin/env bash
# Installs what is missing, builds, and converts the sample file of Austrian
# Gauss-Krueger coordinates (M34) to WGS84 with kortavex-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
kortavex_install_packages
kortavex_build
./build/kortavex-cli --from GK-AUT_M34 --to WGS84 < samples/gk-aut-m34.txt
