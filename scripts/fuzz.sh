#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for SECONDS, one after the other,
# on one core, starting from its committed corpus.
#
#   scripts/fuzz.sh SECONDS [TARGET...]     (default: every target)
#
# New inputs are kept in build-fuzz/corpus/<target>/; an input that breaks a
# target is saved in build-fuzz/findings/ and makes the script fail. Replay
# one with build-fuzz/fuzz/<target>_fuzz FILE. KORTAVEX_FUZZ_BUILD names
# another build directory.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
build=${KORTAVEX_FUZZ_BUILD:-build-fuzz}
build=$(realpath -m "$build")  # the targets may change their working directory

. scripts/packages.sh
kortavex_install_packages
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKORTAVEX_FUZZ=ON -DKORTAVEX_TESTS=OFF -DKORTAVEX_GUI=OFF -DKORTAVEX_BENCH=OFF >/dev/null
cmake --build "$build"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" _fuzz.cpp)"); done
fi
# The targets write their files into a scratch directory: keep it in memory.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=${TMPDIR:-/dev/shm}
mkdir -p "$build/findings"
failed=()
for target in "${targets[@]}"; do
  echo "== $target: $seconds s"
  mkdir -p "$build/corpus/$target"
  # Where lines may be longer than the longest line read (1 MiB), inputs may be too.
  case $target in
    cli | file_conversion | import_export) max_len=(-max_len=1100000) ;;
    *) max_len=() ;;
  esac
  "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 "${max_len[@]}" \
    -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" "$PWD/fuzz/corpus/$target" ||
    failed+=("$target")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings for: ${failed[*]} (see $build/findings/)"
  exit 1
fi
