#!/usr/bin/env bash
# CPU of the running program over 10 s of its demonstration, as a share of
# one core, read from /proc after its start-up is over.
# Usage: bench/demo_cpu.sh [build dir] [seconds]; needs a display.
set -euo pipefail
BUILD=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/../build}" && pwd)
SECONDS_RUN=${2:-10}
cd "$(dirname "${BASH_SOURCE[0]}")/../assets"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

"$BUILD/app/norvane" 2>/dev/null &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 2
# Fields 14 and 15 of /proc/<pid>/stat: user and system time in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(cpu_ticks)
sleep "$SECONDS_RUN"
after=$(cpu_ticks)
awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$SECONDS_RUN" 'BEGIN {
  printf "Demonstration: %.2f %% of a core over %d s (%d clock ticks of CPU)\n", 100 * t / hz / s, s, t
}'
