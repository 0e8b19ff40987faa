#!/usr/bin/env bash
# Proves that a change of the engine changed no printed digit and no status
# bit: converts the same inputs (fixed seeds) with two builds of kortavex-cli,
# in standard-input mode (with --flags) and in file mode, and compares the
# outputs byte for byte by checksum. The pairs take every projection of the
# families (Gauss-Krueger strips and zones, the federal grid, Lambert,
# Krovak, the Swiss grids, UTM north and south, UTM and MGRS with the zone of
# the position), MGRS references as input, the three grids, the user's
# system in each of its projections, every datum family to every other, and
# heights through Helmert shifts and the EGM96 geoid; every input holds a few
# points far outside every frame too.
#
# A program ending in .exe is run by Wine ($WINE, else wine): the script then
# holds the Windows build against the Linux one, on every line but the
# coordinates of points that the first program marks as outside a frame.
# There a projection's series may blow a difference in the last bit of a
# sine up into visible digits (northings of 10^15 m), and in that bit the C
# libraries differ: glibc rounds correctly, Windows' runtime not always.
# For the same reason a printed number may be one unit of its last decimal
# apart where it lies half-way (about one in 10^5 points of some pairs).
# The folders that a missing grid's message lists are compared neither.
# Usage: bench/same_output.sh OLD_CLI NEW_CLI [lines]
set -euo pipefail
program() {
  local path
  path=$(realpath "$1")
  case $path in *.exe) echo "${WINE:-wine} $path" ;; *) echo "$path" ;; esac
}
old=$(program "$1")
new=$(program "$2")
across=no
case $old$new in *.exe*) across=yes ;; esac
# The lines of a standard-input output or a copy (line n of each is point n-1)
# but those whose point stdin-1 marks as outside a frame, when across systems.
alike='
function unit(v,  d) { d = index(v, "."); return d ? 10 ^ -(length(v) - d) : 1 }
NR == FNR { line[FNR] = $0; lines = FNR; next }
$0 != line[FNR] {
  n = split(line[FNR], x, /[ \t]/)
  if (split($0, y, /[ \t]/) != n) exit 1
  for (i = 1; i <= n; i++)
    if (x[i] != y[i] && !(x[i] ~ /^-?[0-9]+\.?[0-9]*$/ && y[i] ~ /^-?[0-9]+\.?[0-9]*$/ &&
        length(x[i]) == length(y[i]) && (x[i] - y[i]) ^ 2 <= (1.5 * unit(x[i])) ^ 2)) exit 1
}
END { if (FNR != lines) exit 1 }'
trusted() {
  if [ "$across" = no ]; then cat "$1"; return; fi
  awk -F'\t' 'NR == FNR { if (FNR > 1 && $2 != "" && $2 != "0") outside[FNR]; next } !(FNR in outside)' \
    stdin-1 "$1"
}
lines=${3:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Given two heights, each point has a height between them (3 decimals).
points() {  # seed west south east north decimals [lowest highest]
  awk -v n="$lines" -v seed="$1" -v w="$2" -v s="$3" -v e="$4" -v no="$5" -v d="$6" \
      -v lo="${7:-}" -v hi="${8:-}" 'BEGIN {
    srand(seed); f = "%." d "f %." d "f"; h = lo != "" ? " 0" : ""
    for (i = 0; i < n; i++) {
      printf f, w + (e - w) * rand(), s + (no - s) * rand()
      if (lo != "") printf " %.3f", lo + (hi - lo) * rand()
      printf "\n" }
    print "0 0" h; print "-1e9 1e9" h; print "1e300 -1e300" h; print "90 180 1e300"; print "-90 -180" h }'
}
# MGRS references of every zone, band and precision; one in twenty has a
# letter that no table holds.
references() {  # seed
  awk -v n="$lines" -v seed="$1" 'BEGIN {
    srand(seed); bands = "CDEFGHJKLMNPQRSTUVWX"; columns = "ABCDEFGHJKLMNPQRSTUVWXYZ"
    rows = "ABCDEFGHJKLMNPQRSTUV"; wrong = "IOYZ"
    for (i = 0; i < n; i++) {
      ref = sprintf("%02d", 1 + int(60 * rand())) substr(bands, 1 + int(20 * rand()), 1) \
            substr(columns, 1 + int(24 * rand()), 1) substr(rows, 1 + int(20 * rand()), 1)
      if (rand() < 0.05) ref = substr(ref, 1, 2 + int(3 * rand())) substr(wrong, 1 + int(4 * rand()), 1) \
                               substr(ref, 4 + int(2 * rand()))
      digits = 1 + int(5 * rand())
      for (k = 0; k < 2 * digits; k++) ref = ref int(10 * rand())
      print ref
    } }'
}

# The user's systems: a parameter set in a folder of its own, named by the
# options file there (reference height 300 m).
user() {  # name ellipsoid projection dx dy dz rx ry rz scale meridian east north origin north-parallel south-parallel
  mkdir -p "$1"
  printf 'kortavex_options_v45\r\n300\r\n1\r\n2\r\n;\r\n%s\r\nEnglish\r\n1023\r\n' "$1" > "$1/kortavex.cfg"
  { printf 'kortavex_parameter_v4\r\n%s\r\n' "$1"
    for v in "$4" "$5" "$6" "$7" "$8" "$9" "${10}"; do printf '%s\r\n' "$v"; done
    printf '%s\r\n%s\r\n' "$2" "$3"
    for v in "${11}" "${12}" "${13}" "${14}" "${15}" "${16}"; do printf '%s\r\n' "$v"; done
  } > "$1/$1.gtp"
}
user ugk "Bessel 1841" "Gauss/Krüger" 577.326 90.129 463.919 5.1366 1.4742 5.297 1.0000024232 \
  13.3333333333 0 -5000000 0 0 0
user uutm GRS80 UTM 0 0 0 0 0 0 1 9 500000 0 0 0 0
user ulamb "International 1924" Lambert -106.869 52.2978 -103.724 0.3366 -0.457 1.8422 0.9999987453 \
  4.3674866667 150000.013 5400088.438 90 51.1666672333 49.8333339
user ugeo "Krassovsky 1940" "keine (geografisch)" 24.9 -126.4 -93.2 0.063 0.247 0.041 1.00000101 \
  0 0 0 0 0 0

# pair arguments | input
cases=(
  # Austria: Gauss-Krueger, the federal grid, Lambert, geographic; Helmert and the grid
  "--from GK-AUT_M34 --to WGS84|points 7 -150000 5100000 150000 5450000 3"
  "--from GK-AUT_M31 --to BMN34|points 15 -160000 90000 160000 460000 3"
  "--from BMN28 --to LAMB-AUT|points 16 100000 100000 460000 460000 3"
  "--from LAMB-AUT --to UTM33N|points 17 100000 280000 690000 580000 3"
  "--from MGI --to GK-AUT_M28|points 18 46 9 49.5 18 8"
  "--from WGS84 --to MGI --grid AustrianGrid|points 19 46 9 49.5 18 8"
  "--from WGS84 --to MGI|points 14 -90 -180 90 180 9"
  # Germany: DHDN with BeTA2007 both ways, zones among themselves, S42/83
  "--from GK3_DHDN --to WGS84 --grid BeTA2007|points 8 3300000 5300000 3800000 6000000 3"
  "--from WGS84 --to GK3_DHDN --grid BeTA2007|points 9 48 6.5 54 13.5 8"
  "--from GK2_DHDN --to GK5_DHDN|points 20 2300000 5200000 2700000 6200000 3"
  "--from DHDN --to GK4_S42/83 --height 1500|points 21 47 5 55.5 16 8"
  "--from GK4_S42/83 --to S42/83 --dms|points 22 300000 5150000 700000 6250000 3"
  "--from S42/83 --to CH1903+/LV95|points 23 45 5 56 16 8"
  # Switzerland and Liechtenstein: CHENYX06 both ways, the civil coordinates
  "--from CH1903/LV03-M --to CH1903+/LV95 --grid CHENYX06|points 10 500000 100000 800000 280000 3"
  "--from CH1903+/LV95 --to CH1903/LV03-M --grid CHENYX06|points 11 2500000 1100000 2800000 1280000 3"
  "--from LIECHT/LV03-C --to CH1903|points 24 -210000 -210000 410000 210000 3"
  "--from CH1903+ --to LIECHT/LV03-C|points 25 45.5 5.5 48 11 8"
  "--from CH1903/LV03-M --to GK3_DHDN|points 26 400000 0 1000000 400000 3"
  # Czechia and Slovakia
  "--from UTM33N --to Krovak|points 13 300000 5000000 700000 5600000 3"
  "--from Krovak --to S-JTSK --dms|points 27 -10000 490000 1010000 1510000 3"
  "--from S-JTSK --to GK-AUT_M34|points 28 47 12 51.5 23 8"
  # UTM: zones north and south, the zone of the position, MGRS
  "--from WGS84 --to UTM|points 12 -80 -180 84 180 8"
  "--from WGS84 --to MGRS|points 29 -90 -190 90 190 8"
  "--from UTM32S --to UTM01N|points 30 100000 0 900000 10000000 3"
  "--from UTM60N --to UTM|points 31 100000 0 900000 9400000 3"
  "--from GK3_DHDN --to MGRS|points 32 3300000 5300000 3800000 6000000 3"
  "--from MGRS --to WGS84|references 33"
  "--from MGRS --to UTM33N|references 34"
  "--from MGRS --to UTM|references 35"
  # the user's systems in each projection, as start and as target
  "--config ugk --from User --to WGS84|points 36 -160000 90000 160000 460000 3"
  "--config ugk --from GK-AUT_M31 --to User|points 37 -160000 5090000 160000 5460000 3"
  "--config uutm --from User --to UTM|points 38 100000 4000000 900000 7000000 3"
  "--config uutm --from WGS84 --to User|points 39 -85 -30 85 50 8"
  "--config ulamb --from User --to MGRS|points 40 0 0 300000 300000 3"
  "--config ulamb --from Krovak --to User|points 41 400000 1000000 900000 1300000 3"
  "--config ugeo --from User --to GK4_DHDN|points 42 -90 -180 90 180 8"
  "--config ugeo --from WGS84 --to User --dms|points 43 40 0 60 30 8"
  # heights: --3d on standard input, the third column in file mode
  "--3d --from WGS84 --to UTM33N+EGM96|points 44 40 9 60 21 8 -100 3000"
  "--3d --from UTM33N+EGM96 --to WGS84|points 45 300000 4400000 700000 6700000 3 -100 3000"
  "--3d --from GK-AUT_M34 --to WGS84|points 46 -150000 5100000 150000 5450000 3 100 3800"
  "--3d --from WGS84 --to CH1903+/LV95|points 47 45.5 5.5 48 11 8 200 4600"
)
# And every family to every other, and to UTM and MGRS: one system of each
# family as start, on points around its own area.
family=(
  "WGS84|45 5 55 20 8"
  "UTM33N|300000 5000000 700000 5600000 3"
  "GK-AUT_M34|-150000 5100000 150000 5450000 3"
  "GK3_DHDN|3300000 5300000 3800000 6000000 3"
  "GK4_S42/83|4300000 5300000 4700000 6000000 3"
  "CH1903/LV03-M|500000 100000 800000 280000 3"
  "CH1903+/LV95|2500000 1100000 2800000 1280000 3"
  "Krovak|400000 1000000 900000 1300000 3"
  "User|-150000 100000 150000 450000 3"
)
seed=100
for from in "${family[@]}"; do
  for to in "${family[@]}" "UTM|" "MGRS|"; do
    [ "$from" != "$to" ] || continue
    seed=$((seed + 1))
    cases+=("--config ugk --from ${from%%|*} --to ${to%%|*}|points $seed ${from#*|}")
  done
done

status=0
for c in "${cases[@]}"; do
  IFS='|' read -r args make <<< "$c"
  fileArgs=${args/--3d /}
  columns=1,2
  [ "$fileArgs" = "$args" ] || columns=1,2,3
  $make > in.txt
  cp in.txt file.txt
  n=0
  for cli in "$old" "$new"; do
    n=$((n + 1))
    eval "$cli" $args --flags < in.txt > "stdin-$n" 2>&1 || true
    rm -f file_cvt.txt
    eval "$cli" $fileArgs --force --delimiter "\" \"" --columns $columns file.txt > "report-$n" 2>&1 || true
    if [ -f file_cvt.txt ]; then trusted file_cvt.txt >> "report-$n"; fi
  done
  counts="$(wc -l < stdin-1)/$(wc -l < report-1)"  # lines out: standard input / file mode
  for n in 2 1; do trusted "stdin-$n" > compared && mv compared "stdin-$n"; done
  # the folders where a missing grid was looked for are each system's own
  if [ "$across" = yes ]; then sed -i '/^Looked for in:$/,$d' stdin-* report-*; fi
  a=$(md5sum < stdin-1 | cut -c1-32)
  same=yes
  for mode in stdin report; do
    if [ "$across" = yes ]; then
      awk "$alike" "$mode-1" "$mode-2" || same=no
    else
      sums=$(md5sum "$mode"-* | cut -c1-32 | sort -u | wc -l)
      [ "$sums" -eq 1 ] || same=no
    fi
  done
  printf "%-62s %s %15s %s\n" "$args" "$a" "$counts" "$same"
  [ "$same" = yes ] || status=1
  rm -f stdin-* report-*
done
exit $status
