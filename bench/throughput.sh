#!/usr/bin/env bash
# kortavex-cli next to PROJ's cs2cs on the same coordinates, in one run:
#   Helmert   GK-AUT_M34 -> WGS84
#   BeTA2007  GK3_DHDN <-> WGS84            (cs2cs with +nadgrids=BETA2007.gsb)
#   CHENYX06  CH1903/LV03-M <-> CH1903+/LV95 (cs2cs with +nadgrids=CHENYX06a.gsb)
#   EGM96     WGS84 with ellipsoidal heights -> UTM33N+EGM96
#             (cs2cs --3d with +geoidgrids=egm96_15.gtx)
# kortavex-cli reads standard input on one core (taskset -c 0) and on all
# cores, and converts a file on all cores; cs2cs runs on one core, as it
# always does. Each round runs the programs one after another, so that a load
# from elsewhere meets all of them alike; the best of the rounds counts.
# Then the peak resident memory of every kortavex-cli mode for 100 000 and for
# 10 000 000 lines. Given another kortavex-cli (an earlier build), each round
# runs it too, in the same three modes, and a second table sets the two
# builds side by side.
# Usage: bench/throughput.sh [lines] [rounds] [build dir] [memory lines] [other kortavex-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}
rounds=${2:-3}
cli=$(realpath "${3:-build}/kortavex-cli")
memoryLines=${4:-10000000}
other=${5:+$(realpath "$5")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"  # no kortavex.cfg of the checkout applies

# N points in a rectangle, projected (3 decimals) or latitude first (8
# decimals), with a height (3 decimals) between the two heights given.
points() {  # lines seed west south east north decimals [lowest highest]
  awk -v n="$1" -v seed="$2" -v w="$3" -v s="$4" -v e="$5" -v no="$6" -v d="$7" \
      -v lo="${8:-}" -v hi="${9:-}" 'BEGIN {
    srand(seed); f = "%." d "f %." d "f"
    for (i = 0; i < n; i++) {
      printf f, w + (e - w) * rand(), s + (no - s) * rand()
      if (lo != "") printf " %.3f", lo + (hi - lo) * rand()
      printf "\n" } }'
}
input() {  # name lines
  case $1 in
    helmert) points "$2" 7 -150000 5100000 150000 5450000 3 ;;
    gk3) points "$2" 8 3300000 5300000 3800000 6000000 3 ;;
    wgs84) points "$2" 9 48 6.5 54 13.5 8 ;;  # latitude first
    lv03) points "$2" 10 500000 100000 800000 280000 3 ;;
    lv95) points "$2" 11 2500000 1100000 2800000 1280000 3 ;;
    wgs84h) points "$2" 12 40 9 60 21 8 -100 3000 ;;  # latitude first, with heights
  esac
}
# kortavex-cli's arguments for standard input and for the file: points with
# a height take --3d on standard input and a third column in the file.
modeArgs() {  # input arguments
  if [ "$1" = wgs84h ]; then
    stdinArgs="$2 --3d" fileArgs="$2 --force --delimiter \" \" --columns 1,2,3"
  else
    stdinArgs=$2 fileArgs="$2 --force --delimiter \" \" --columns 1,2"
  fi
}

bessel="+ellps=bessel +k=1 +y_0=0"
swiss="+proj=somerc +lat_0=46.9524055555556 +lon_0=7.43958333333333 +k_0=1 +ellps=bessel"
# name | input | kortavex-cli arguments | cs2cs arguments
pairs=(
  "Helmert GK-AUT_M34->WGS84|helmert|--from GK-AUT_M34 --to WGS84|-f %.8f +proj=tmerc $bessel +lon_0=16.3333333333 +x_0=0 +towgs84=577.326,90.129,463.919,5.1366,1.4742,5.297,2.4232 +to +proj=longlat +datum=WGS84"
  "BeTA2007 GK3_DHDN->WGS84|gk3|--from GK3_DHDN --to WGS84 --grid BeTA2007|-f %.8f +proj=tmerc $bessel +lon_0=9 +x_0=3500000 +nadgrids=BETA2007.gsb +to +proj=longlat +datum=WGS84"
  "BeTA2007 WGS84->GK3_DHDN|wgs84|--from WGS84 --to GK3_DHDN --grid BeTA2007|-r -f %.3f +proj=longlat +datum=WGS84 +to +proj=tmerc $bessel +lon_0=9 +x_0=3500000 +nadgrids=BETA2007.gsb"
  "CHENYX06 LV03->LV95|lv03|--from CH1903/LV03-M --to CH1903+/LV95 --grid CHENYX06|-f %.3f $swiss +x_0=600000 +y_0=200000 +nadgrids=CHENYX06a.gsb +to $swiss +x_0=2600000 +y_0=1200000 +towgs84=0,0,0"
  "CHENYX06 LV95->LV03|lv95|--from CH1903+/LV95 --to CH1903/LV03-M --grid CHENYX06|-f %.3f $swiss +x_0=2600000 +y_0=1200000 +towgs84=0,0,0 +to $swiss +x_0=600000 +y_0=200000 +nadgrids=CHENYX06a.gsb"
  "EGM96 WGS84->UTM33N+EGM96|wgs84h|--from WGS84 --to UTM33N+EGM96|-r --3d -f %.3f +proj=longlat +datum=WGS84 +to +proj=utm +zone=33 +datum=WGS84 +geoidgrids=egm96_15.gtx"
)

seconds() {  # prints the wall time of a command reading in.txt
  /usr/bin/time -f "%e" -o time.txt "$@" < in.txt > out.txt
  cat time.txt
}
best() { tr ' ' '\n' | grep . | sort -g | head -1; }

echo "Machine: $(nproc) hardware threads, $(lscpu | sed -n 's/^Model name: *//p'), load average $(cut -d' ' -f1-3 /proc/loadavg) before"
echo "$lines lines, best of $rounds rounds"
printf "%-28s %9s %9s %9s %9s %8s %8s %8s\n" pair cs2cs stdin-1 stdin-all file-all \
  "x cs2cs" "x (file)" "all/1"
builds=""  # the other build's best times, a row per pair
for pair in "${pairs[@]}"; do
  IFS='|' read -r name kind args projArgs <<< "$pair"
  modeArgs "$kind" "$args"
  input "$kind" "$lines" > in.txt
  cp in.txt points.txt
  c="" one="" all="" file="" oOne="" oAll="" oFile=""
  for ((round = 0; round < rounds; round++)); do
    # shellcheck disable=SC2086  # the arguments are word lists
    c+=" $(seconds cs2cs $projArgs)"
    one+=" $(eval seconds taskset -c 0 "$cli" $stdinArgs)"
    all+=" $(eval seconds "$cli" $stdinArgs)"
    file+=" $(eval seconds "$cli" $fileArgs points.txt 2>/dev/null)"
    if [ -n "$other" ]; then
      oOne+=" $(eval seconds taskset -c 0 "$other" $stdinArgs)"
      oAll+=" $(eval seconds "$other" $stdinArgs)"
      oFile+=" $(eval seconds "$other" $fileArgs points.txt 2>/dev/null)"
    fi
  done
  c=$(best <<< "$c"); one=$(best <<< "$one"); all=$(best <<< "$all"); file=$(best <<< "$file")
  [ -z "$other" ] ||
    builds+="$name|$(best <<< "$oOne")|$one|$(best <<< "$oAll")|$all|$(best <<< "$oFile")|$file"$'\n'
  awk -v n="$name" -v c="$c" -v o="$one" -v a="$all" -v f="$file" 'function r(x, y) { return y > 0 ? x / y : 0 }
    BEGIN { printf "%-28s %8.2fs %8.2fs %8.2fs %8.2fs %7.1fx %7.1fx %7.2fx\n",
            n, c, o, a, f, r(c, a), r(c, f), r(o, a) }'
done
echo "x cs2cs: cs2cs time / kortavex-cli time on all cores (standard input, file); all/1: one core / all cores"

if [ -n "$other" ]; then
  echo
  echo "Against $other, in the same rounds: thousand lines a second"
  printf "%-28s %20s %20s %20s\n" pair "stdin-1 other/this" "stdin-all other/this" "file-all other/this"
  while IFS='|' read -r name o1 n1 oa na of nf; do
    [ -n "$name" ] || continue
    awk -v n="$name" -v l="$lines" -v o1="$o1" -v n1="$n1" -v oa="$oa" -v na="$na" -v of="$of" -v nf="$nf" '
      function k(t) { return t > 0 ? l / t / 1000 : 0 }
      function pair(o, t) { return sprintf("%6.0f %6.0f %+5.0f%%", k(o), k(t), k(o) > 0 ? 100 * (k(t) / k(o) - 1) : 0) }
      BEGIN { printf "%-28s %20s %20s %20s\n", n, pair(o1, n1), pair(oa, na), pair(of, nf) }'
  done <<< "$builds"
  echo "stdin-1: one core (taskset -c 0), the figure per core; the per cent: this build against the other"
fi

echo
echo "Peak resident memory of kortavex-cli (KiB): $memoryLines lines against 100000"
printf "%-28s %10s %10s %10s %10s\n" pair stdin-small stdin-large file-small file-large
for pair in "${pairs[@]}"; do
  IFS='|' read -r name kind args _ <<< "$pair"
  modeArgs "$kind" "$args"
  row=""
  for mode in stdin file; do
    for n in 100000 "$memoryLines"; do
      input "$kind" "$n" > points.txt
      if [ "$mode" = stdin ]; then
        eval /usr/bin/time -f %M -o memory.txt "$cli" $stdinArgs < points.txt > /dev/null || true
      else
        eval /usr/bin/time -f %M -o memory.txt "$cli" $fileArgs points.txt > /dev/null 2>&1 || true
      fi
      row+=" $(cat memory.txt)"
    done
  done
  read -r s1 s2 f1 f2 <<< "$row"
  printf "%-28s %10s %10s %10s %10s\n" "$name" "$s1" "$s2" "$f1" "$f2"
done
rm -f points.txt points_cvt.txt
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
