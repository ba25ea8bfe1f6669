#!/usr/bin/env bash
# Start-up to the first painted frame, whole process: Norvane's probe against
# a bare window, paired and in turn; then the peak RSS of both. Once on X11
# and once on Wayland (weston, headless), each against the bare window on the
# same display server: on Wayland both draw Qt's own title bar.
# Usage: bench/startup.sh [build dir] [rounds]; needs an X display (bench/run
# gives it one).
set -euo pipefail
BUILD=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/../build}" && pwd)
ROUNDS=${2:-15}
PROBE="$BUILD/bench/startup_probe"
BARE="$BUILD/bench/bare_window"
ASSETS="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/assets"
[ -n "${DISPLAY:-}" ] || { echo "bench/startup.sh: no X display; bench/run starts Xvfb" >&2; exit 2; }
TMP=$(mktemp -d)
weston_pid=
trap '[ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null; rm -rf "$TMP"' EXIT
export XDG_RUNTIME_DIR="$TMP"
cd "$ASSETS"  # the probe finds its picture here, as scripts/run starts it

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# Times both programs on the display the environment names ($1 names it).
# Qt 6.4's Wayland client now and then hangs at exit, its main thread
# waiting for its event thread: a round with such a run is timed out (the
# whole process group), dropped and run again.
measure() {
  local out="$TMP/$1" r=0 tries=0
  mkdir -p "$out"
  # Each round times both programs in turn, so slow spells of a shared
  # machine fall on both; the medians are over the rounds.
  while ((r < ROUNDS)); do
    ((tries++ < 2 * ROUNDS)) || { echo "bench/startup.sh: the programs keep failing on $1" >&2; exit 1; }
    timeout 60 hyperfine -N --warmup 1 --runs 3 --style none --export-csv "$out/round.csv" \
      "$PROBE" "$BARE" >/dev/null 2>&1 || continue
    r=$((r + 1))
    # command,mean,stddev,median,user,system,min,max
    awk -F, 'NR == 2 {print $4, $5 + $6 >> "'"$out"'/probe"}
             NR == 3 {print $4, $5 + $6 >> "'"$out"'/bare"}' "$out/round.csv"
  done
  for ((r = 1; r <= 9; r++)); do
    timeout 20 /usr/bin/time -f %M -a -o "$out/probe.rss" "$PROBE" 2>/dev/null || true
    timeout 20 /usr/bin/time -f %M -a -o "$out/bare.rss" "$BARE" 2>/dev/null || true
  done

  awk -v pw="$(cut -d' ' -f1 "$out/probe" | median)" -v bw="$(cut -d' ' -f1 "$out/bare" | median)" \
    -v pc="$(cut -d' ' -f2 "$out/probe" | median)" -v bc="$(cut -d' ' -f2 "$out/bare" | median)" \
    -v pr="$(median <"$out/probe.rss")" -v br="$(median <"$out/bare.rss")" -v n="$ROUNDS" \
    -v platform="$1" 'BEGIN {
    printf "Start-up to the first painted frame on %s (medians of %d paired rounds of 3 runs):\n",
      platform, n
    printf "  CPU (user+sys)  Norvane %6.1f ms  bare %6.1f ms  ratio %.2f\n", pc * 1000, bc * 1000, pc / bc
    printf "  wall            Norvane %6.1f ms  bare %6.1f ms  ratio %.2f\n", pw * 1000, bw * 1000, pw / bw
    printf "  peak RSS        Norvane %6.1f MiB bare %6.1f MiB ratio %.2f\n", pr / 1024, br / 1024, pr / br
  }'
}

(unset WAYLAND_DISPLAY && QT_QPA_PLATFORM=xcb measure X11)

weston --backend=headless-backend.so --use-pixman --no-config --idle-time=0 --width=1280 \
  --height=1024 --socket=wayland-bench >"$TMP/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 200); do [ -e "$TMP/wayland-bench" ] && break; sleep 0.05; done
[ -e "$TMP/wayland-bench" ] || { cat "$TMP/weston.log" >&2; exit 1; }
(unset DISPLAY && QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-bench measure Wayland)
