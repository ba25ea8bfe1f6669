#!/usr/bin/env bash
# norvane --remind for 1000 registered people, about a fifth of them at a
# caution day today or tomorrow, against dunst on a session bus of its own.
# Usage: bench/remind.sh [build dir]; needs an X display for dunst.
set -euo pipefail
BUILD=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/../build}" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${NORVANE_OWN_BUS:-}" ]; then
  NORVANE_OWN_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
TMP=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$TMP"' EXIT
mkdir -p "$TMP/norvane"
/usr/bin/python3 - "$TMP/norvane/people.json" <<'PY'
import datetime, json, sys
today = datetime.date.today()
people = [{"id": str(i), "name": f"人{i:04d}", "entry": "W",
           "birth": (today - datetime.timedelta(days=3000 + 7 * i)).isoformat()}
          for i in range(1000)]
json.dump({"format": 1, "people": people}, open(sys.argv[1], "w"), ensure_ascii=False)
PY
# A fresh dunst for each run: one still showing the last run's
# notifications answers the next run's first call only after them.
cat >"$TMP/fresh-dunst" <<'SH'
pkill -x dunst || true
while pgrep -x dunst >/dev/null; do sleep 0.05; done
setsid dunst >/dev/null 2>&1 </dev/null &
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
    grep -q 'boolean true' && exit 0
  sleep 0.05
done
exit 1
SH
XDG_DATA_HOME=$TMP hyperfine -N --warmup 1 --runs 15 --style basic \
  --prepare "bash $TMP/fresh-dunst" "$BUILD/app/norvane --remind" 2>&1 | grep -E "Time|Range"
pkill -x dunst || true
