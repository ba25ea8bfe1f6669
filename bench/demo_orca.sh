#!/usr/bin/env bash
# CPU over 10 s of the demonstration with Orca running, as a share of one
# core: the program, Orca, and the accessibility bus (its D-Bus daemon and
# the AT-SPI registry), read from /proc once start-up is over. Orca runs
# with speech off from a scratch home, in a session bus of its own.
# Usage: bench/demo_orca.sh [build dir] [seconds]; needs a display and Orca.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -z "${NORVANE_ORCA_SESSION:-}" ]; then
  # The buses started in the session see the scratch home too.
  scratch=$(mktemp -d)
  export HOME=$scratch XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config \
    XDG_CACHE_HOME=$scratch/cache XDG_RUNTIME_DIR=$scratch/runtime
  mkdir -p "$XDG_DATA_HOME/orca" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  cp "$ROOT/tests/app/orca-settings.conf" "$XDG_DATA_HOME/orca/user-settings.conf"
  status=0
  NORVANE_ORCA_SESSION=1 dbus-run-session -- "$0" "$@" 2> >(grep -v 'dbus-daemon\|SpiRegistry' >&2) ||
    status=$?
  rm -rf "$scratch"
  exit "$status"
fi
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
SECONDS_RUN=${2:-10}

pids=()
# Orca ends on SIGINT; one left running keeps the next from starting.
trap 'kill -INT "${pids[@]}" 2>/dev/null; sleep 2; kill -KILL "${pids[@]}" 2>/dev/null || true' EXIT
orca >/dev/null 2>&1 &
pids+=($!)
orca_pid=$!
# Orca turns accessibility on as it starts, and its listeners follow; a
# second Orca of one user ends at once.
a11y=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
  --method org.a11y.Bus.GetAddress | sed "s/^('\(.*\)',)$/\1/")
sleep 3
kill -0 "$orca_pid" 2>/dev/null || { echo "Orca did not start: is another one running?" >&2; exit 1; }
(cd "$ROOT/assets" && exec "$BUILD/app/norvane" 2>/dev/null) &
pids+=($!)
app_pid=$!
sleep 3

# The bus: the daemon that at-spi-bus-launcher started, and the registry.
pid_of() {
  gdbus call "$@" --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.GetConnectionUnixProcessID "$name" | awk '{print $2 + 0}'
}
launcher=$(name=org.a11y.Bus pid_of --session)
registry=$(name=org.a11y.atspi.Registry pid_of --address "$a11y")
bus=$(pgrep -P "$launcher" -x dbus-daemon)

# Nanoseconds on a CPU, summed over each process's threads.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {printf "%d", ns}'; }
all=("$app_pid" "$orca_pid" "$bus" "$registry")
declare -A before
for p in "${all[@]}"; do before[$p]=$(cpu_ns "$p"); done
sleep "$SECONDS_RUN"
share() {
  local ns=0 p
  for p in "$@"; do ns=$((ns + $(cpu_ns "$p") - ${before[$p]})); done
  awk -v ns="$ns" -v s="$SECONDS_RUN" 'BEGIN { printf "%.2f", 100 * ns / 1e9 / s }'
}
echo "Demonstration with Orca over $SECONDS_RUN s, % of a core:" \
  "program $(share "$app_pid"), Orca $(share "$orca_pid")," \
  "bus $(share "$bus" "$registry") (daemon $(share "$bus"), registry $(share "$registry"));" \
  "together $(share "${all[@]}")"
