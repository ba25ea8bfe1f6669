#!/usr/bin/env bash
# Start-up to the first painted frame, whole process: Norvane's probe against
# a bare window, paired and in turn; then the peak RSS of both.
# Usage: bench/startup.sh [build dir] [rounds]; needs a display (bench/run
# gives it one).
set -euo pipefail
BUILD=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/../build}" && pwd)
ROUNDS=${2:-15}
PROBE="$BUILD/bench/startup_probe"
BARE="$BUILD/bench/bare_window"
ASSETS="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/assets"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
export XDG_RUNTIME_DIR="$TMP"
cd "$ASSETS"  # the probe finds its picture here, as scripts/run starts it

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# Each round times both programs in turn, so slow spells of a shared
# machine fall on both; the medians are over the rounds.
for ((r = 1; r <= ROUNDS; r++)); do
  hyperfine -N --warmup 1 --runs 3 --style none --export-csv "$TMP/round.csv" "$PROBE" "$BARE" \
    >/dev/null 2>&1
  # command,mean,stddev,median,user,system,min,max
  awk -F, 'NR == 2 {print $4, $5 + $6 > "'"$TMP"'/probe"} NR == 3 {print $4, $5 + $6 > "'"$TMP"'/bare"}' \
    "$TMP/round.csv"
  cat "$TMP/probe" >>"$TMP/probe.all"
  cat "$TMP/bare" >>"$TMP/bare.all"
done

probe_wall=$(cut -d' ' -f1 "$TMP/probe.all" | median)
bare_wall=$(cut -d' ' -f1 "$TMP/bare.all" | median)
probe_cpu=$(cut -d' ' -f2 "$TMP/probe.all" | median)
bare_cpu=$(cut -d' ' -f2 "$TMP/bare.all" | median)

for ((r = 1; r <= 9; r++)); do
  /usr/bin/time -f %M -a -o "$TMP/probe.rss" "$PROBE" 2>/dev/null
  /usr/bin/time -f %M -a -o "$TMP/bare.rss" "$BARE" 2>/dev/null
done
probe_rss=$(median <"$TMP/probe.rss")
bare_rss=$(median <"$TMP/bare.rss")

awk -v pw="$probe_wall" -v bw="$bare_wall" -v pc="$probe_cpu" -v bc="$bare_cpu" \
  -v pr="$probe_rss" -v br="$bare_rss" -v n="$ROUNDS" 'BEGIN {
  printf "Start-up to the first painted frame (medians of %d paired rounds of 3 runs):\n", n
  printf "  CPU (user+sys)  Norvane %6.1f ms  bare %6.1f ms  ratio %.2f\n", pc * 1000, bc * 1000, pc / bc
  printf "  wall            Norvane %6.1f ms  bare %6.1f ms  ratio %.2f\n", pw * 1000, bw * 1000, pw / bw
  printf "  peak RSS        Norvane %6.1f MiB bare %6.1f MiB ratio %.2f\n", pr / 1024, br / 1024, pr / br
}'
