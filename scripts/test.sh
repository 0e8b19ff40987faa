#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the C locale
# and once under a decimal-comma locale; window tests run under Xvfb. The
# window tests run again as users see the window: under a window manager, in
# a dark theme and with larger text. The Debian package is built, installed
# into a scratch root and tried; the Windows build is made and tried under
# Wine (scripts/windows.sh test). Then builds the same tests with clang++ (C++
# leaves some orders of evaluation open, and the two compilers settle them
# differently), AddressSanitizer and UndefinedBehaviorSanitizer (build-asan)
# and runs them once more.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
kortavex_install_packages
kortavex_build -DKORTAVEX_WERROR=ON
xvfb-run -a ctest --test-dir build --output-on-failure --timeout 300 -j2
LC_ALL=de_DE.UTF-8 xvfb-run -a ctest --test-dir build --output-on-failure --timeout 300 -j2
for look in "" GTK_THEME=Adwaita:dark GDK_DPI_SCALE=1.25; do
  echo "Window tests on a desktop ${look:+with $look}"
  env $look scripts/desktop.sh ctest --test-dir build -L gui --output-on-failure --timeout 300
done
scripts/package_check.sh
# The Windows build under Wine: its tests, its output byte for byte against
# this build's, a file of a non-ASCII name, its window, its installer.
scripts/windows.sh test

# Leaks that the toolkit keeps until exit are suppressed, none of our own.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-toolkit.supp"
export UBSAN_OPTIONS=print_stacktrace=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORTAVEX_BENCH=OFF \
  -DKORTAVEX_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  >/dev/null
cmake --build build-asan
xvfb-run -a ctest --test-dir build-asan --output-on-failure --timeout 300 -j2
