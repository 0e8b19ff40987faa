#!/usr/bin/env bash
# Measures how far kortavex-cli's results lie from independent ones and
# prints the tables of the "Accuracy" section of docs/user-guide.md:
#   1. each projection against PROJ on random points inside its frame;
#   2. the transverse Mercator series against PROJ's exact formulas, by
#      distance from the central meridian;
#   3. each datum shift against PROJ running the EPSG operation it follows,
#      with the accuracy EPSG gives that operation;
#   4. the worked examples of tests/cases/published.cases and BKG's BeTA2007
#      test points of tests/cases/beta2007.cases.
# Usage: scripts/accuracy.sh [POINTS [SEED]]   (default 2000 points, seed 1)
# Needs a built kortavex-cli (KORTAVEX_CLI, default build/kortavex-cli),
# PROJ's cs2cs, cct and projinfo (proj-bin) and the grids of proj-data.
set -euo pipefail
cd "$(dirname "$0")/.."
points=${1:-2000}
seed=${2:-1}
cli=${KORTAVEX_CLI:-build/kortavex-cli}
grids=/usr/share/proj
for tool in cs2cs cct projinfo awk; do
  command -v "$tool" >/dev/null || { echo "accuracy.sh: $tool is missing (apt-get install proj-bin)" >&2; exit 2; }
done
[ -x "$cli" ] || { echo "accuracy.sh: no $cli; build it first (cmake --build build)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# "LOW HIGH" of a system's first range of value FIELD (first, second), from
# the frame rows of the tests.
range() {
  awk -v name="$1" -v field="$2" '$1 == "frame" && $2 == name {
    for (i = 3; i + 2 <= NF; i += 3) if ($i == field) { print $(i + 1), $(i + 2); exit } }' tests/cases/frames.cases
}

# COUNT random pairs, the first in [A0, A1], the second in [B0, B1].
random_pairs() {
  awk -v n="$1" -v seed="$2" -v a0="$3" -v a1="$4" -v b0="$5" -v b1="$6" 'BEGIN {
    srand(seed); for (i = 0; i < n; ++i) printf "%.4f %.4f\n", a0 + rand() * (a1 - a0), b0 + rand() * (b1 - b0) }'
}

# The largest distance in metres between the value pairs of two files, on
# lines whose status bits (after a tab in the first file) are 0; "geo"
# compares latitude/longitude pairs. Prints "METRES LINES".
largest() {
  paste -d '|' "$1" "$2" | awk -F'|' -v kind="$3" '
    { split($1, ours, " "); split($2, theirs, " ") }
    $1 ~ /\t/ && $1 !~ /\t0$/ { next }
    {
      d1 = ours[1] - theirs[1]; d2 = ours[2] - theirs[2]
      if (kind == "geo") { d1 *= 111320; d2 *= 111320 * cos(theirs[1] * 0.0174532925199433) }
      d = sqrt(d1 * d1 + d2 * d2); if (d > worst) worst = d; ++n
    }
    END { printf "%.6f %d\n", worst, n }'
}

# A distance in metres as the tables show it.
metres() {
  awk -v m="$1" 'BEGIN {
    if (m < 0.0005) print "< 0.5 mm"; else if (m < 0.1) printf "%.1f mm\n", m * 1000;
    else if (m < 100) printf "%.2f m\n", m; else printf "%.0f m\n", m }'
}

cli_run() { "$cli" --no-heading --height 0 "$@"; }

echo "### Projections against PROJ inside their frames"
echo
echo "$points random points inside each frame, projected to geographic (back) and the result forward again, against PROJ's \`cs2cs\` with the definition shown; only points the program marks inside its frame count."
echo
echo "| system | PROJ | points | back | forward |"
echo "|---|---|---|---|---|"
while IFS='|' read -r system geographic definition ellipsoid; do
  read -r e0 e1 < <(range "$system" first)
  read -r n0 n1 < <(range "$system" second)
  random_pairs "$points" "$seed" "$e0" "$e1" "$n0" "$n1" > "$work/grid"
  # PROJ's geographic point of each grid value, latitude first
  cs2cs -f %.12f $definition +to +proj=longlat +ellps="$ellipsoid" < "$work/grid" | awk '{ print $2, $1 }' > "$work/geo"
  cli_run --flags --from "$system" --to "$geographic" < "$work/grid" > "$work/back"
  cli_run --flags --from "$geographic" --to "$system" < "$work/geo" > "$work/forward"
  read -r back counted < <(largest "$work/back" "$work/geo" geo)
  read -r forward _ < <(largest "$work/forward" "$work/grid" grid)
  echo "| $system | \`$definition\` | $counted | $(metres "$back") | $(metres "$forward") |"
done <<'EOF'
GK-AUT_M28|MGI|+proj=tmerc +lon_0=10.3333333333 +y_0=-5000000 +ellps=bessel|bessel
GK-AUT_M31|MGI|+proj=tmerc +lon_0=13.3333333333 +y_0=-5000000 +ellps=bessel|bessel
GK-AUT_M34|MGI|+proj=tmerc +lon_0=16.3333333333 +y_0=-5000000 +ellps=bessel|bessel
BMN34|MGI|+proj=tmerc +lon_0=16.3333333333 +x_0=750000 +y_0=-5000000 +ellps=bessel|bessel
LAMB-AUT|MGI|+proj=lcc +lat_0=47.5 +lat_1=49 +lat_2=46 +lon_0=13.333333333 +x_0=400000 +y_0=400000 +ellps=bessel|bessel
GK2_DHDN|DHDN|+proj=tmerc +lon_0=6 +x_0=2500000 +ellps=bessel|bessel
GK3_DHDN|DHDN|+proj=tmerc +lon_0=9 +x_0=3500000 +ellps=bessel|bessel
GK5_DHDN|DHDN|+proj=tmerc +lon_0=15 +x_0=5500000 +ellps=bessel|bessel
GK4_S42/83|S42/83|+proj=tmerc +lon_0=12 +x_0=4500000 +ellps=krass|krass
CH1903+/LV95|CH1903+|+proj=somerc +lat_0=46.9524055555556 +lon_0=7.43958333333333 +x_0=2600000 +y_0=1200000 +ellps=bessel|bessel
CH1903/LV03-M|CH1903|+proj=somerc +lat_0=46.9524055555556 +lon_0=7.43958333333333 +x_0=600000 +y_0=200000 +ellps=bessel|bessel
Krovak|S-JTSK|+proj=krovak +axis=wsu +ellps=bessel|bessel
UTM33N|WGS84|+proj=utm +zone=33 +ellps=GRS80|GRS80
UTM60S|WGS84|+proj=utm +zone=60 +south +ellps=GRS80|GRS80
EOF

echo
echo "### The transverse Mercator series by distance from the central meridian"
echo
echo "UTM zone 33 (GRS80, scale 0.9996) against PROJ's \`+proj=utm\` (Poder/Engsager, exact to far below a millimetre here): forward / back (the inverse series) at each latitude."
echo
latitudes="0 30 50 60 70 80"
printf '| from the meridian |'; for lat in $latitudes; do printf ' %s° |' "$lat"; done; echo
printf '|---|'; for _ in $latitudes; do printf -- '---|'; done; echo
for dlon in 1 2 3 4 5 6 8 10; do
  printf '| %s° |' "$dlon"
  for lat in $latitudes; do
    echo "$lat $((15 + dlon))" > "$work/geo"
    echo "$((15 + dlon)) $lat" | cs2cs -f %.6f +proj=longlat +ellps=GRS80 +to +proj=utm +zone=33 +ellps=GRS80 | awk '{ print $1, $2 }' > "$work/grid"
    cli_run --from WGS84 --to UTM33N < "$work/geo" > "$work/forward"
    cli_run --from UTM33N --to WGS84 < "$work/grid" > "$work/back"
    read -r forward _ < <(largest "$work/forward" "$work/grid" grid)
    read -r back _ < <(largest "$work/back" "$work/geo" geo)
    printf ' %s / %s |' "$(metres "$forward")" "$(metres "$back")"
  done
  echo
done

echo
echo "### Datum shifts against the EPSG operations they follow"
echo
echo "$points random points in the EPSG operation's area of use at height 0, converted there (forward) and back with the program's own row for the way back, against PROJ's \`cct\` running the operation (\`projinfo -k operation EPSG:N -o PROJ\`) with the grid files of proj-data. The accuracy is EPSG's for the operation itself: what the shift is good for, whatever the program computes."
echo
echo "| shift | EPSG operation | EPSG accuracy | points | forward | back |"
echo "|---|---|---|---|---|---|"
while IFS='|' read -r from to grid code; do
  wkt=$(projinfo -k operation "EPSG:$code" -o WKT2_2019 -q)
  name=$(grep -oE '^COORDINATEOPERATION\["[^"]*"' <<< "$wkt" | cut -d'"' -f2)
  accuracy=$(grep -oE 'OPERATIONACCURACY\[[0-9.]+' <<< "$wkt" | cut -d[ -f2)
  read -r lat0 lon0 lat1 lon1 < <(grep -oE 'BBOX\[[^]]*' <<< "$wkt" | cut -d[ -f2 | tr , ' ')
  pipeline=$(projinfo -k operation "EPSG:$code" -o PROJ -q | tr -s ' \n' ' ' |
             sed -e "s#grids=de_adv_BETA2007.tif#grids=$grids/BETA2007.gsb#" \
                 -e "s#grids=ch_swisstopo_CHENyx06a.tif#grids=$grids/CHENYX06a.gsb#")
  label="$from -> $to ($grid)"
  if grep -q 'grids=[a-z]' <<< "$pipeline"; then
    echo "| $label | EPSG:$code $name | $accuracy m | not measured: its grid is not in proj-data | | |"
    continue
  fi
  random_pairs "$points" "$seed" "$lat0" "$lat1" "$lon0" "$lon1" > "$work/geo"
  awk '{ print $1, $2, 0 }' "$work/geo" | cct -d 12 $pipeline | awk '{ print $1, $2 }' > "$work/shifted"
  cli_run --flags --grid "$grid" --from "$from" --to "$to" < "$work/geo" > "$work/forward"
  cli_run --flags --grid "$grid" --from "$to" --to "$from" < "$work/shifted" > "$work/back"
  read -r forward counted < <(largest "$work/forward" "$work/shifted" geo)
  read -r back _ < <(largest "$work/back" "$work/geo" geo)
  echo "| $label | EPSG:$code $name | $accuracy m | $counted | $(metres "$forward") | $(metres "$back") |"
done <<'EOF'
MGI|WGS84|Helmert|1618
DHDN|WGS84|Helmert|1777
S42/83|WGS84|Helmert|1775
CH1903|WGS84|Helmert|1766
CH1903+|WGS84|Helmert|1676
S-JTSK|WGS84|Helmert|1623
DHDN|WGS84|BeTA2007|15948
CH1903|CH1903+|CHENYX06|15486
MGI|WGS84|AustrianGrid|9910
EOF

echo
echo "### Worked examples and BKG's test points"
echo
echo "Every block of tests/cases/published.cases and tests/cases/beta2007.cases through kortavex-cli, both ways where the block runs back: the largest distance from the published values, and the tolerance the example's own rounding leaves."
echo
echo "| cases | from | to | points | largest distance | tolerance |"
echo "|---|---|---|---|---|---|"
geographic_system() { case "$1" in WGS84|MGI|DHDN|S42/83|CH1903|CH1903+|S-JTSK) return 0;; *) return 1;; esac; }
# Runs the block of FILE at LINE from START to TARGET, or back.
run_block() {
  local file=$1 line=$2 direction=$3
  awk -v first="$line" -v direction="$direction" -v out="$work/block" '
    NR < first { next }
    NR > first && $1 == "from" { exit }
    NR == first { from = $2; to = $4; grid = "Helmert"; height = 0
      for (i = 5; i < NF; i += 2) { if ($i == "grid") grid = $(i + 1); if ($i == "height") height = $(i + 1)
        if ($i == "tolerance") tolerance = $(i + 1); if ($i == "back") back = $(i + 1) }
      if (direction == "back") { t = from; from = to; to = t; tolerance = back } }
    $1 == "user" { for (i = 2; i < NF; i += 2) user[$i] = $(i + 1) }
    $1 == "accept" { accept = $2 " " $3 }
    $1 == "expect" { if (direction == "back") { print $2, $3 > (out ".in"); print accept > (out ".want") }
                     else { print accept > (out ".in"); print $2, $3 > (out ".want") } }
    END {
      print from "|" to "|" grid "|" height "|" tolerance
      split("dx dy dz rx ry rz scale", shift, " ")
      printf "kortavex_parameter_v4\r\ncases\r\n" > (out ".gtp")
      for (i = 1; i <= 7; ++i) printf "%s\r\n", (shift[i] in user) ? user[shift[i]] : (shift[i] == "scale" ? 1 : 0) > (out ".gtp")
      split("Bessel 1841|Krassovsky 1940|GRS80|WGS84|International 1924", ellipsoids, "|")
      split("keine (geografisch)|Gauss/Kr\374ger|UTM|Lambert", projections, "|")
      printf "%s\r\n%s\r\n", ellipsoids[user["ellipsoid"] + 1], projections[user["projection"] + 1] > (out ".gtp")
      split("cm fe fn origin north south", lambert, " ")
      for (i = 1; i <= 6; ++i) printf "%s\r\n", (lambert[i] in user) ? user[lambert[i]] : 0 > (out ".gtp")
    }' "$file"
}
mkdir -p "$work/config"
printf 'kortavex_options_v45\r\n0\r\n2\r\n3\r\n \r\ncases\r\nEnglish\r\n1023\r\n' > "$work/config/kortavex.cfg"
for file in tests/cases/published.cases tests/cases/beta2007.cases; do
  while read -r line directions; do
    for direction in $directions; do
      IFS='|' read -r from to grid height tolerance < <(run_block "$file" "$line" "$direction")
      cp "$work/block.gtp" "$work/config/cases.gtp"
      # the examples' heights belong to their geographic end
      [ "$direction" = back ] && height=0
      "$cli" --no-heading --config "$work/config" --grid "$grid" --height "$height" \
        --from "$from" --to "$to" < "$work/block.in" > "$work/block.out"
      target_kind=grid
      if geographic_system "$to" || { [ "$to" = User ] && ! grep -q 'projection [123]' <(sed -n "${line},/^from/p" "$file"); }; then
        target_kind=geo
      fi
      read -r worst counted < <(largest "$work/block.out" "$work/block.want" "$target_kind")
      shown=$tolerance
      [ "$target_kind" = geo ] && shown="$tolerance°"
      [ "$target_kind" = grid ] && shown="$(metres "$tolerance")"
      echo "| $(basename "$file"):$line | $from | $to | $counted | $(metres "$worst") | $shown |"
    done
  done < <(awk '$1 == "from" { print NR, ($0 ~ / back /) ? "forward back" : "forward" }' "$file")
done
