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
# Nanoseconds on a CPU, summed over the program's threads: clock ticks of
# /proc/<pid>/stat are 10 ms, a tenth of the whole budget here.
cpu_ns() { cat /proc/"$pid"/task/*/schedstat | awk '{ns += $1} END {printf "%d", ns}'; }
before=$(cpu_ns)
sleep "$SECONDS_RUN"
after=$(cpu_ns)
awk -v ns=$((after - before)) -v s="$SECONDS_RUN" 'BEGIN {
  printf "Demonstration: %.2f %% of a core over %d s (%.1f ms of CPU, %.0f us a tick)\n",
    100 * ns / 1e9 / s, s, ns / 1e6, ns / 1e3 / (s * 5)
}'
