#!/usr/bin/env bash
# Proves that a change of the engine changed no printed digit: converts the
# same inputs (fixed seeds) with two builds of kortavex-cli, in standard-input
# and in file mode, for every pair of bench/throughput.sh and a few more, and
# compares the outputs byte for byte by checksum.
# Usage: bench/same_output.sh OLD_CLI NEW_CLI [lines]
set -euo pipefail
old=$(realpath "$1")
new=$(realpath "$2")
lines=${3:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

points() {  # seed west south east north decimals
  awk -v n="$lines" -v seed="$1" -v w="$2" -v s="$3" -v e="$4" -v no="$5" -v d="$6" 'BEGIN {
    srand(seed); f = "%." d "f %." d "f\n"
    for (i = 0; i < n; i++) printf f, w + (e - w) * rand(), s + (no - s) * rand() }'
}
# pair arguments | input
cases=(
  "--from GK-AUT_M34 --to WGS84|points 7 -150000 5100000 150000 5450000 3"
  "--from GK3_DHDN --to WGS84 --grid BeTA2007|points 8 3300000 5300000 3800000 6000000 3"
  "--from WGS84 --to GK3_DHDN --grid BeTA2007|points 9 48 6.5 54 13.5 8"
  "--from CH1903/LV03-M --to CH1903+/LV95 --grid CHENYX06|points 10 500000 100000 800000 280000 3"
  "--from CH1903+/LV95 --to CH1903/LV03-M --grid CHENYX06|points 11 2500000 1100000 2800000 1280000 3"
  "--from WGS84 --to UTM --dms|points 12 -80 -180 84 180 8"
  "--from UTM33N --to Krovak|points 13 300000 5000000 700000 5600000 3"
  "--from WGS84 --to MGI|points 14 -90 -180 90 180 9"
)
status=0
for c in "${cases[@]}"; do
  IFS='|' read -r args make <<< "$c"
  $make > in.txt
  cp in.txt file.txt
  n=0
  for cli in "$old" "$new"; do
    n=$((n + 1))
    eval "$cli" $args < in.txt > "stdin-$n" || true
    rm -f file_cvt.txt
    eval "$cli" $args --force --delimiter "\" \"" --columns 1,2 file.txt > /dev/null 2>&1 || true
    if [ -f file_cvt.txt ]; then mv file_cvt.txt "file-$n"; else : > "file-$n"; fi
  done
  a=$(md5sum < stdin-1 | cut -c1-32)
  same=yes
  for mode in stdin file; do
    sums=$(md5sum "$mode"-* | cut -c1-32 | sort -u | wc -l)
    [ "$sums" -eq 1 ] || same=no
  done
  printf "%-60s %s %s\n" "$args" "$a" "$same"
  [ "$same" = yes ] || status=1
  rm -f stdin-* file-*
done
exit $status
