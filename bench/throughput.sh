#!/usr/bin/env bash
# kortavex-cli against PROJ's cs2cs on the same coordinates, in one run:
# GK-AUT_M34 -> WGS84 (Helmert) over N lines (default 1 000 000).
# Prints wall time, lines per second and peak memory of both.
# Usage: bench/throughput.sh [lines] [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}
build=${2:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# eastings -150..150 km, northings 5 100..5 450 km: inside the M34 strip
awk -v n="$lines" 'BEGIN { srand(7); for (i = 0; i < n; i++)
  printf "%.3f %.3f\n", -150000 + 300000 * rand(), 5100000 + 350000 * rand() }' > "$work/in.txt"

measure() {  # name, command...
  local name=$1; shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" < "$work/in.txt" > "$work/out-$name"
  read -r seconds kib < "$work/time"
  awk -v n="$lines" -v s="$seconds" -v k="$kib" -v name="$name" \
    'BEGIN { printf "%-12s %8.2f s %12.0f lines/s %8d KiB peak\n", name, s, n / (s > 0 ? s : 0.01), k }'
  echo "$seconds" > "$work/seconds-$name"
}

measure kortavex "$build/kortavex-cli" --from GK-AUT_M34 --to WGS84
measure cs2cs cs2cs -f %.8f +proj=tmerc +ellps=bessel +lon_0=16.3333333333 +k=1 +x_0=0 +y_0=0 \
  +towgs84=577.326,90.129,463.919,5.1366,1.4742,5.297,2.4232 +to +proj=longlat +datum=WGS84
awk -v a="$(cat "$work/seconds-cs2cs")" -v b="$(cat "$work/seconds-kortavex")" \
  'BEGIN { printf "kortavex-cli is %.1f times as fast as cs2cs\n", a / (b > 0 ? b : 0.01) }'
