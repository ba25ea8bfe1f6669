#!/usr/bin/env bash
# Prints through a real CUPS queue: a cupsd of its own, on a unix socket in a
# temporary folder only (no port, no browsing), whose one queue runs the
# usual PDF filters and writes the job, through a file: device, into that
# folder. Runs COMMAND with CUPS_SERVER and NORVANE_CUPS_QUEUE set, waits for
# its job, and fails unless the printed PDF holds EXPECTED_TEXT.
# Not cups-pdf: it reads only /etc/cups, writes under the user's home and
# /var/spool, and its trip through PostScript loses the text of Japanese.
# Usage: cups_print.sh EXPECTED_TEXT COMMAND [ARGS...]
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 EXPECTED_TEXT COMMAND [ARGS...]" >&2; exit 2; }
expected=$1
shift

# cupsd and lpadmin live in sbin, outside a user's usual PATH.
PATH=$PATH:/usr/sbin
scratch=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
  echo "FAIL: $*" >&2
  show_log
  exit 1
}
show_log() {
  [ -s "$scratch/cupsd.out" ] && cat "$scratch/cupsd.out" >&2
  if [ -f "$scratch/error_log" ]; then
    echo "--- cupsd's error_log, less its debugging:" >&2
    grep -v '^D ' "$scratch/error_log" | tail -n 20 >&2
  fi
  return 0
}

# The socket's folder is the owner's alone: no one else reaches this cupsd.
# cupsd makes its spool and temporary folders itself, open to the filters' user.
mkdir -m 700 "$scratch/socket"
mkdir "$scratch/out"
socket=$scratch/socket/cups.sock
cat >"$scratch/cupsd.conf" <<EOF
Listen $socket
Browsing No
BrowseLocalProtocols none
WebInterface No
LogLevel debug
MaxLogSize 0
<Location />
  Order allow,deny
  Allow localhost
</Location>
EOF
# Printcap defaults to /run/cups/printcap, the system's own. The user's own
# group administers the queue, so that the script runs without root too.
cat >"$scratch/cups-files.conf" <<EOF
SystemGroup $(id -gn)
ServerRoot $scratch
RequestRoot $scratch/spool
CacheDir $scratch/cache
StateDir $scratch/state
ErrorLog $scratch/error_log
AccessLog $scratch/access_log
PageLog $scratch/page_log
Printcap $scratch/printcap
DataDir /usr/share/cups
ServerBin /usr/lib/cups
FileDevice Yes
EOF

# Even if this script is killed outright, the daemon goes with it. No system
# bus: desktops would announce its queue and jobs as the machine's own.
DBUS_SYSTEM_BUS_ADDRESS=unix:path=$scratch/no-bus setpriv --pdeathsig TERM \
  cupsd -f -c "$scratch/cupsd.conf" -s "$scratch/cups-files.conf" >"$scratch/cupsd.out" 2>&1 &
pids+=("$!")
export CUPS_SERVER=$socket
for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done
if [ ! -S "$socket" ]; then
  # Only root is sure to be able to run one; another user skips, saying why.
  [ "$(id -u)" -eq 0 ] || { echo "SKIP: cupsd does not start as $(id -un):" >&2; show_log; exit 77; }
  fail "the private cupsd did not start"
fi

queue=norvane_test
output=$scratch/out/printed.pdf
lpadmin -p "$queue" -E -v "file://$output" \
  -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>"$scratch/lpadmin.err" ||
  { cat "$scratch/lpadmin.err" >&2; fail "lpadmin could not make the queue"; }

# In the background, so that a signal ends the wait at once; like cupsd,
# it ends with this script.
NORVANE_CUPS_QUEUE=$queue setpriv --pdeathsig TERM "$@" &
pids+=("$!")
wait $! || fail "$* ended with status $?"

[ -n "$(lpstat -W all -o "$queue")" ] || fail "$1 sent no job to $queue"
start=$SECONDS
while [ -n "$(lpstat -o "$queue")" ]; do
  # A job the filters fail on stops, unfinished, until someone steps in.
  lpstat -l -o "$queue" | grep -q job-completed-with-errors && fail "the filters failed on the job"
  [ $((SECONDS - start)) -lt 60 ] || fail "the job did not finish within 60 s"
  sleep 0.2
done
[ -s "$output" ] || fail "the queue wrote no output"
text=$(pdftotext -enc UTF-8 "$output" -) || fail "pdftotext cannot read the output"
echo "printed through $queue, in $(($(stat -c %s "$output") / 1024)) KiB of PDF:"
echo "$text"
[[ $text == *"$expected"* ]] || fail "the printed text lacks \"$expected\""
