#!/usr/bin/env bash
# Builds kortavex for 64-bit Windows on Debian: MinGW-w64 compiles, and
# wxWidgets for Windows is built once from Debian's own source package and
# kept outside the clone (~/.cache/kortavex/wx-msw-VERSION), so that a second
# run only builds kortavex. The programs are linked statically: they need
# nothing beyond Windows itself. Wine runs what was built.
#
#   scripts/windows.sh          kortavex.exe and kortavex-cli.exe in build-win64/
#   scripts/windows.sh package  and the zip and the per-user installer in
#                               build-win64/package/
#   scripts/windows.sh test     and the tests built for Windows, run under Wine
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh

mode=${1:-build}
case $mode in
  build|package|test) ;;
  *) echo "usage: $0 [build|package|test]" >&2; exit 2 ;;
esac

host=x86_64-w64-mingw32
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kortavex
build=build-win64

kortavex_install_missing --no-install-recommends cmake ninja-build make dpkg-dev xz-utils \
  g++-mingw-w64-x86-64-posix googletest nsis wine wine64 fonts-wine xvfb xauth

# The version of a library that this machine's Debian ships, as its source
# package is called (a binary-only rebuild adds "+bN" to the binaries alone).
source_version() {  # binary package
  local version
  version=$(apt-cache policy "$1" | awk '/Candidate:/ {print $2}')
  [ -n "$version" ] && [ "$version" != "(none)" ] || {
    echo "$0: this Debian has no $1" >&2; exit 1; }
  echo "${version%+b[0-9]*}"
}
wx_version=$(source_version libwxbase3.2-1)

# What wxWidgets is built with. Debian's +dfsg source carries none of the
# bundled image, compression and XML libraries, nor the SVG reader: kortavex
# paints its own images and uses no rich text, HTML or XRC, so they all stay
# out, and so does whatever else it does not use, which also shortens the
# build.
wx_configure=(--host=$host --with-msw --disable-shared --enable-unicode
  CC=$host-gcc-posix CXX=$host-g++-posix
  --without-libpng --without-libjpeg --without-libtiff --without-zlib --without-expat
  --without-liblzma --without-regex --without-opengl --without-libcurl
  --disable-svg --disable-richtext --disable-html --disable-htmlhelp --disable-xrc
  --disable-stc --disable-aui --disable-propgrid --disable-ribbon --disable-webview
  --disable-mediactrl --disable-sound --disable-help --disable-sockets --disable-debugreport
  --without-subdirs)
wx_prefix=$cache/wx-msw-$wx_version

# Fetches Debian's source package of a library into the current directory
# with an apt configuration of its own: the deb-src line of an archive that
# this machine's binary package comes from, and lists and downloads of its
# own, so that the machine's apt sources and state stay as they are. The
# archives are tried in apt's order, each for the newest source it has (a
# mirror may lack the security archive's sources).
fetch_source() {  # binary package, source package
  local apt=$cache/apt archive
  mkdir -p "$apt/lists/partial" "$apt/archives/partial" "$apt/sources.list.d"
  local options=(-o "Dir::Etc::SourceList=$apt/sources.list"
                 -o "Dir::Etc::SourceParts=$apt/sources.list.d"
                 -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt"
                 -o APT::Sandbox::User=root -qq)
  while read -r archive; do
    local uri=${archive% *} dist=${archive#* }
    echo "deb-src $uri ${dist%/*} ${dist##*/}" >"$apt/sources.list"
    apt-get "${options[@]}" update &&
      apt-get "${options[@]}" source "$2" >/dev/null 2>&1 && return
  done < <(apt-cache policy "$1" | awk '/^ +[0-9]+ [a-z]+:\/\// {print $2, $3}' | uniq)
  echo "$0: no archive gave the source of $2" >&2
  exit 1
}

# Builds wxWidgets for Windows into $wx_prefix unless the same version was
# built there with the same options before.
build_wx() {
  local stamp=$wx_prefix/kortavex-configure
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "${wx_configure[*]}" ]; then return; fi
  echo "Building wxWidgets $wx_version for Windows once, into $wx_prefix"
  rm -rf "$wx_prefix" "$cache"/wx-build.*  # and what a failed build left
  local work
  work=$(mktemp -d "$cache/wx-build.XXXXXX")
  (
    cd "$work"
    fetch_source libwxbase3.2-1 wxwidgets3.2
    mkdir build && cd build
    ../wxwidgets3.2-*/configure "${wx_configure[@]}" --prefix="$wx_prefix" >configure.log
    make -j2 >make.log 2>&1 || { tail -40 make.log >&2; exit 1; }
    make install >/dev/null
  )
  rm -rf "$work"
  echo "${wx_configure[*]}" >"$stamp"
}

# Wine in a prefix of its own (a fresh one for the installer), without the
# Mono and Gecko downloads it would offer, and without its debug chatter.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64  # Debian's "wine" wrapper warns at every start that wine32 is missing
wine_prefix() {
  export WINEPREFIX=$1
  [ -d "$WINEPREFIX/drive_c" ] || wineboot --init >/dev/null 2>&1
}

# The only DLLs a program may need: those of Windows itself.
check_static() {
  local program=$1 dll
  for dll in $($host-objdump -p "$program" | awk '/DLL Name:/ {print $3}'); do
    case ${dll,,} in
      kernel32.dll|user32.dll|gdi32.dll|comdlg32.dll|winspool.drv|winmm.dll|shell32.dll|\
      shlwapi.dll|comctl32.dll|ole32.dll|oleaut32.dll|uuid.dll|rpcrt4.dll|advapi32.dll|\
      version.dll|ws2_32.dll|wininet.dll|oleacc.dll|uxtheme.dll|msvcrt.dll|gdiplus.dll|\
      imm32.dll|msimg32.dll|dwmapi.dll|usp10.dll|api-ms-win-*) ;;
      *) echo "$0: $program needs $dll, which Windows does not have" >&2; exit 1 ;;
    esac
  done
}

# Installs the installer silently into a fresh prefix and runs the installed
# kortavex-cli.exe on the sample, which must give what the built one gives.
check_installer() {
  local installer programs expected
  installer=$(ls "$build"/package/kortavex-*-win64.exe)
  rm -rf "$build/wine-install"
  wine_prefix "$PWD/$build/wine-install"
  "$wine" "$installer" /S
  wineserver -w
  programs=$WINEPREFIX/drive_c/users/$(whoami)/AppData/Local/Programs/kortavex
  for program in kortavex.exe kortavex-cli.exe Uninstall.exe; do
    [ -f "$programs/$program" ] || { echo "$0: the installer put no $program" >&2; exit 1; }
  done
  expected=$("$wine" "$build/kortavex-cli.exe" --from GK-AUT_M34 --to WGS84 <samples/gk-aut-m34.txt)
  [ "$("$wine" "$programs/kortavex-cli.exe" --from GK-AUT_M34 --to WGS84 <samples/gk-aut-m34.txt)" = \
    "$expected" ] || { echo "$0: the installed kortavex-cli.exe converts otherwise" >&2; exit 1; }
  echo "installer: installed for the user alone, the installed kortavex-cli.exe converts the sample"
}

# Debian's grids (proj-data) where PROJ keeps them on Windows,
# %LOCALAPPDATA%\proj, so that the tests find them there as on Linux.
link_grids() {
  local grids=$WINEPREFIX/drive_c/users/$(whoami)/AppData/Local/proj
  mkdir -p "${grids%/*}"
  ln -sfn /usr/share/proj "$grids"
}

# kortavex-cli.exe gives byte for byte what the Linux build (build/, which
# the test command makes first) gives: on every pair of bench/same_output.sh,
# 100 000 random points each, from standard input and in file mode.
check_same_output() {
  local linux=build/kortavex-cli
  [ -x "$linux" ] || { echo "$0: no Linux build of kortavex-cli in build/ to compare with" >&2; exit 1; }
  WINE=$wine bench/same_output.sh "$linux" "$build/kortavex-cli.exe" 100000 >"$build/same_output.log" ||
    { grep ' no$' "$build/same_output.log"; echo "$0: kortavex-cli.exe converts otherwise" >&2; exit 1; }
  echo "same output: kortavex-cli.exe and the Linux build, $(wc -l <"$build/same_output.log") pairs"
}

# A file whose folder and name hold characters beyond any ANSI code page is
# found, converted and its copy named, with the report, the exit status and
# the copy that the Linux build (in a UTF-8 locale) gives.
check_names() {
  local work=$build/names file=Grundstücke/Punkte_Łódź_ř.txt side
  rm -rf "$work"
  for side in linux windows; do
    mkdir -p "$work/$side/Grundstücke"
    cp samples/gk-aut-m34.txt "$work/$side/$file"
  done
  local args=(--from GK-AUT_M34 --to WGS84 --columns 1,2 "$file")
  (cd "$work/windows" && { "$wine" ../../kortavex-cli.exe "${args[@]}"; echo "exit $?"; } >report.txt 2>&1)
  (cd "$work/linux" && { LC_ALL=C.UTF-8 ../../../build/kortavex-cli "${args[@]}"; echo "exit $?"; } >report.txt 2>&1)
  [ -s "$work/windows/Grundstücke/Punkte_Łódź_ř_cvt.txt" ] && diff -r "$work/linux" "$work/windows" ||
    { echo "$0: $file was not converted as on Linux" >&2; exit 1; }
  echo "names: $file converted into its _cvt copy as on Linux"
}

# Ctrl-C in the middle of a file conversion (Wine hands SIGINT to the console
# handler as Ctrl-C) leaves neither the hidden temporary file nor a copy
# behind, and the run ends with 130, as on Linux.
check_interrupt() {
  local work=$build/interrupt pid status=0
  rm -rf "$work" && mkdir -p "$work"
  awk 'BEGIN { for (i = 0; i < 3000000; i++) print 1000 + i % 9000, 300000 + i % 90000 }' >"$work/big.txt"
  "$wine" "$build/kortavex-cli.exe" --from GK-AUT_M34 --to WGS84 --columns 1,2 "$work/big.txt" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 300); do ls -A "$work" | grep -q '^\.kortavex-' && break; sleep 0.2; done
  kill -INT "$pid"
  wait "$pid" || status=$?
  [ "$status" = 130 ] && [ "$(ls -A "$work")" = big.txt ] ||
    { ls -A "$work"; echo "$0: an interrupted run ended with $status and left the above" >&2; exit 1; }
  echo "interrupt: Ctrl-C in a run left nothing behind, exit 130"
}

# libtiff for the GeoTIFF geoid grids, built once like wxWidgets, with zlib
# for the DEFLATE compression of PROJ's published grids (MinGW-w64 in Debian
# has no zlib) and without every other codec.
tiff_version=$(source_version libtiff6)
zlib_version=$(source_version zlib1g)
tiff_cmake=(-DBUILD_SHARED_LIBS=OFF -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF
  -Dtiff-docs=OFF -Dcxx=OFF -Dzlib=ON -Dlibdeflate=OFF -Dpixarlog=OFF -Djpeg=OFF -Dold-jpeg=OFF
  -Djbig=OFF -Dlerc=OFF -Dlzma=OFF -Dzstd=OFF -Dwebp=OFF)
tiff_prefix=$cache/tiff-msw-$tiff_version

build_tiff() {
  local stamp=$tiff_prefix/kortavex-configure options="zlib $zlib_version ${tiff_cmake[*]}"
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$options" ]; then return; fi
  echo "Building zlib and libtiff $tiff_version for Windows once, into $tiff_prefix"
  rm -rf "$tiff_prefix" "$cache"/tiff-build.*
  local work toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
  work=$(mktemp -d "$cache/tiff-build.XXXXXX")
  (
    cd "$work"
    fetch_source zlib1g zlib
    cd zlib-*/
    { CHOST=$host CC=$host-gcc-posix ./configure --static --prefix="$tiff_prefix" &&
      make -j2 libz.a && make install; } >build.log 2>&1 || { tail -40 build.log >&2; exit 1; }
    cd "$work"
    fetch_source libtiff6 tiff
    { cmake -S tiff-*/ -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_FIND_ROOT_PATH="$tiff_prefix" \
        -DCMAKE_INSTALL_PREFIX="$tiff_prefix" "${tiff_cmake[@]}" &&
      cmake --build build -j2 && cmake --install build; } >build.log 2>&1 ||
      { tail -40 build.log >&2; exit 1; }
  )
  rm -rf "$work"
  echo "$options" >"$stamp"
}

mkdir -p "$cache"
build_wx
build_tiff

# The tests are built only to be run: without them the build is shorter.
# Building them lists their cases through Wine already.
tests=OFF
if [ "$mode" = test ]; then
  tests=ON
  wine_prefix "$cache/wine-tests"
  link_grids
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_FIND_ROOT_PATH="$wx_prefix;$tiff_prefix" \
  -DKORTAVEX_GUI=ON -DKORTAVEX_BENCH=OFF -DKORTAVEX_TESTS=$tests -DKORTAVEX_WERROR=ON >/dev/null
cmake --build "$build" -j2
for program in "$build"/*.exe; do check_static "$program"; done

if [ "$mode" = package ] || [ "$mode" = test ]; then
  rm -rf "$build/package"
  (cd "$build" && cpack >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
  ls "$build"/package/kortavex-*-win64.zip "$build"/package/kortavex-*-win64.exe
fi

if [ "$mode" = test ]; then
  # Wine starts a process per test: the property tests take minutes on a loaded machine
  xvfb-run -a ctest --test-dir "$build" --output-on-failure --timeout 900 -j2
  check_same_output
  check_names
  check_interrupt
  wineserver -w  # the window's Wine starts afresh, on the desktop's display
  WINE=$wine scripts/desktop.sh scripts/startup_check.sh "$PWD/$build/kortavex.exe" "$build" ||
    { echo "$0: kortavex.exe did not show its window and close under Wine" >&2; exit 1; }
  echo "window: kortavex.exe showed its window under Wine and closed"
  check_installer
fi
