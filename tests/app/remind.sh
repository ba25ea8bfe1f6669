#!/usr/bin/env bash
# norvane --remind against python3-dbusmock's notification service, on the
# session bus dbus-run-session gives this script: a family with one person
# at a caution day today, one tomorrow and one at neither; then a damaged
# file. Usage: remind.sh <norvane>
set -euo pipefail
norvane=$1
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_DATA_HOME/norvane"
fail() { echo "FAIL: $*" >&2; cat "$work/log" >&2 || true; exit 1; }
# The program hands its calls to the bus and ends; the service logs them a
# moment later.
notified() {
  for _ in $(seq 50); do
    [ "$(grep -c ' Notify ' "$work/log" 2>/dev/null)" -ge "$1" ] && break
    sleep 0.1
  done
  sleep 0.2
  grep -c ' Notify ' "$work/log" || true
}

/usr/bin/python3 -m dbusmock --session --template notification_daemon -l "$work/log" \
  >"$work/mock.out" 2>&1 &
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
    grep -q 'boolean true' && break
  sleep 0.1
done

# 23 days old: the physical curve meets zero today. 10 days old: it does
# tomorrow. 2 days old: no rhythm does today or tomorrow.
day() { date -d "$1" +%F; }
shown() { LC_ALL=C.UTF-8 date -d "$1" +%m/%d; }
cat >"$XDG_DATA_HOME/norvane/people.json" <<JSON
{"format": 1, "people": [
 {"id": "a", "name": "母", "birth": "$(day '-23 days')", "entry": "W"},
 {"id": "b", "name": "父", "birth": "$(day '-10 days')", "entry": "W"},
 {"id": "c", "name": "子", "birth": "$(day '-2 days')", "entry": "W"}]}
JSON
before=$(sha256sum "$XDG_DATA_HOME/norvane/people.json")
"$norvane" --remind || fail "status $?"
[ "$(notified 2)" -eq 2 ] || fail "neither: not two notifications"
grep -q "Notify \"Norvane\" 0 \"io.github.norvane.Norvane\" \"注意日　母\" \"今日 $(shown today)（[^）]*） 身体\" \[\] {\"desktop-entry\": \"io.github.norvane.Norvane\", \"urgency\": 1}" "$work/log" ||
  fail "today"
grep -q "\"注意日　父\" \"明日 $(shown tomorrow)（[^）]*） 身体\"" "$work/log" || fail "tomorrow"
[ "$before" = "$(sha256sum "$XDG_DATA_HOME/norvane/people.json")" ] || fail "the file changed"
[ ! -e "$XDG_CONFIG_HOME" ] || fail "something was written"

: >"$work/log"
echo '{"format": 1, "people": [' >"$XDG_DATA_HOME/norvane/people.json"
"$norvane" --remind || fail "damaged: status $?"
[ "$(notified 1)" -eq 1 ] || fail "damaged: not one notification"
grep -q "$XDG_DATA_HOME/norvane/people.json" "$work/log" || fail "damaged: the file is not named"
echo "PASS"
