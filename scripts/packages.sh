# Installs the Debian packages that the build and the tests need, when missing.
# Sourced by run.sh and test.sh.
kortavex_install_packages() {
  local packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev libwxgtk3.2-dev
                  proj-bin proj-data xvfb xauth imagemagick locales clang libclang-rt-14-dev
                  fonts-dejavu-core
                  # GeographicLib's GeoConvert, the oracle of the MGRS references
                  geographiclib-tools
                  # the man page's rendering and the bash completion of kortavex-cli
                  groff-base man-db bash-completion
                  # a desktop for the window tests, and the Debian package and its checks
                  openbox x11-utils xdotool dpkg-dev desktop-file-utils appstream)
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  # a decimal-comma locale, to show that numbers never follow the locale
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

# Extra arguments go to CMake; the test command makes every warning an error.
kortavex_build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORTAVEX_WERROR=OFF "$@" >/dev/null
  cmake --build build
}
