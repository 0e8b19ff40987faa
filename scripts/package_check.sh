#!/usr/bin/env bash
# Builds the Debian package from the build in build/, installs it into a
# scratch root and tries what it installed: the launcher and the AppStream
# description pass their validators, every library the programs link comes
# from a package the .deb depends on, kortavex-cli comes with its man page,
# bash completion and the package's version and converts the sample as the
# built one does, and the installed kortavex starts on a
# desktop and closes when asked, logging nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

checks=0
fail() { echo "package: $*" >&2; echo "package: $checks passed, 1 failed"; exit 1; }
pass() { checks=$((checks + 1)); }

rm -rf build/package
(cd build && cpack >cpack.log 2>&1) || { cat build/cpack.log; fail "cpack failed"; }
deb=$(ls build/package/*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# Launcher, icon and AppStream description, all named by the application's id.
share=$root/usr/share
id=$(basename "$share"/metainfo/*.metainfo.xml .metainfo.xml)
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "AppStream description invalid"
pass
desktop-file-validate "$share/applications/$id.desktop" || fail "launcher invalid"
pass
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no icon named $id"
pass

# The licence, machine-readable where Debian looks for it, and in the
# AppStream description.
copyright=$share/doc/kortavex/copyright
head -1 "$copyright" 2>/dev/null | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' &&
  grep -qx 'License: Expat' "$copyright" || fail "no machine-readable copyright file"
grep -q '<project_license>MIT</project_license>' "$share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream description names no licence"
pass

# The libraries the programs link, by the package that holds each.
depends=$(dpkg-deb -f "$deb" Depends)
for program in "$root"/usr/bin/*; do
  for library in $(objdump -p "$program" | awk '/NEEDED/ { print $2 }'); do
    path=$(ldconfig -p | awk -v lib="$library" '$1 == lib && !found { print $NF; found = 1 }')
    owner=$( (dpkg -S "$path" || dpkg -S "$(realpath "$path")") 2>/dev/null |
            awk -F: 'NR == 1 { print $1 }')
    # Depends reads "a (>= 1), b, c (>= 2)": a name stands after a comma and before a blank or comma
    [[ -n "$owner" && ", $depends," =~ ,\ ${owner//+/\\+}[\ ,] ]] ||
      fail "$(basename "$program") links $library of '$owner', which the package does not depend on"
  done
done
pass

# kortavex-cli's man page, bash completion and version.
[ -f "$share/man/man1/kortavex-cli.1" ] || fail "no man page of kortavex-cli"
pass
[ -f "$share/bash-completion/completions/kortavex-cli" ] || fail "no bash completion of kortavex-cli"
pass
[ "$("$root/usr/bin/kortavex-cli" --version)" = "kortavex-cli $(dpkg-deb -f "$deb" Version)" ] ||
  fail "kortavex-cli --version is not the package's version"
pass

installed=$("$root/usr/bin/kortavex-cli" --from GK-AUT_M34 --to WGS84 < samples/gk-aut-m34.txt)
built=$(build/kortavex-cli --from GK-AUT_M34 --to WGS84 < samples/gk-aut-m34.txt)
[ -n "$installed" ] && [ "$installed" = "$built" ] ||
  fail "installed kortavex-cli converts otherwise"
pass

# Start-up: the window appears on a desktop and closes when asked.
scratch=$(mktemp -d -p "$root")
scripts/desktop.sh scripts/startup_check.sh "$root/usr/bin/kortavex" "$scratch" ||
  fail "installed kortavex did not start and close"
[ ! -s "$scratch/stderr" ] || fail "installed kortavex logged: $(cat "$scratch/stderr")"
[ "$(ls -A "$scratch")" = stderr ] || fail "installed kortavex wrote files at start-up"
pass

echo "package: $(basename "$deb"): $checks passed, 0 failed"
