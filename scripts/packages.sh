# Installs the Debian packages that the build and the tests need, when missing.
# Sourced by run.sh and test.sh.
kortavex_install_packages() {
  local packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev libwxgtk3.2-dev
                  proj-bin proj-data xvfb xauth imagemagick locales clang libclang-rt-14-dev
                  fonts-dejavu-core
                  # GeographicLib's GeoConvert, the oracle of the MGRS references
                  geographiclib-tools
                  # PROJ's GeoTIFF geoid grids
                  libtiff-dev
                  # the man page's rendering and the bash completion of kortavex-cli
                  groff-base man-db bash-completion
                  # a desktop for the window tests, and the Debian package and its checks
                  openbox x11-utils xdotool dpkg-dev desktop-file-utils appstream)
  kortavex_install_missing "${packages[@]}"
  # a decimal-comma locale, to show that numbers never follow the locale
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || $KORTAVEX_SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

KORTAVEX_SUDO=""
[ "$(id -u)" -eq 0 ] || KORTAVEX_SUDO=sudo

# Installs those of the packages named that are not installed yet; arguments
# that start with "-" are options of apt-get install.
kortavex_install_missing() {
  local missing=() options=() p
  for p in "$@"; do
    if [[ $p == -* ]]; then options+=("$p"); continue; fi
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $KORTAVEX_SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $KORTAVEX_SUDO apt-get install -y -qq "${options[@]}" \
      "${missing[@]}" >/dev/null
  fi
}

# Extra arguments go to CMake; the test command makes every warning an error.
kortavex_build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORTAVEX_WERROR=OFF "$@" >/dev/null
  cmake --build build
}
