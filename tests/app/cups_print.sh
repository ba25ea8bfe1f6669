#!/usr/bin/env bash
# Prints through a real CUPS queue: a cupsd of its own on a unix socket in a
# temporary folder (no port, no browsing, no system bus), whose one queue
# runs CUPS's PDF filters into a file there. Runs COMMAND with CUPS_SERVER
# and NORVANE_CUPS_QUEUE set, waits for its job, and fails unless the
# printed PDF holds EXPECTED_TEXT. Not cups-pdf: it reads only /etc/cups,
# writes under /var/spool, and its trip through PostScript loses the text.
# Usage: cups_print.sh EXPECTED_TEXT COMMAND [ARGS...]
set -euo pipefail
expected=$1
shift
PATH=$PATH:/usr/sbin # cupsd and lpadmin, outside a user's PATH
scratch=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$scratch"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
fail() {
  echo "FAIL: $*" >&2
  cat "$scratch/cupsd.out" >&2
  grep -sv '^D ' "$scratch/error_log" | tail -n 20 >&2
  exit "${status:-1}"
}

# The socket's folder is the owner's alone, and the owner's group
# administers the queue, so that it runs without root too. Printcap would
# otherwise be the system's own.
mkdir -m 700 "$scratch/socket"
socket=$scratch/socket/cups.sock
printf '%s\n' "Listen $socket" "Browsing No" "BrowseLocalProtocols none" "WebInterface No" \
  "LogLevel debug" "MaxLogSize 0" "<Location />" "Order allow,deny" "Allow localhost" \
  "</Location>" >"$scratch/cupsd.conf"
printf '%s\n' "SystemGroup $(id -gn)" "ServerRoot $scratch" "RequestRoot $scratch/spool" \
  "CacheDir $scratch/cache" "StateDir $scratch/state" "ErrorLog $scratch/error_log" \
  "AccessLog $scratch/access_log" "PageLog $scratch/page_log" "Printcap $scratch/printcap" \
  "DataDir /usr/share/cups" "ServerBin /usr/lib/cups" "FileDevice Yes" >"$scratch/cups-files.conf"
DBUS_SYSTEM_BUS_ADDRESS=unix:path=$scratch/no-bus setpriv --pdeathsig TERM \
  cupsd -f -c "$scratch/cupsd.conf" -s "$scratch/cups-files.conf" >"$scratch/cupsd.out" 2>&1 &
pids+=("$!")
export CUPS_SERVER=$socket
for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done
# Only root is sure to be able to run one; another user skips, saying why.
[ -S "$socket" ] || { [ "$(id -u)" -eq 0 ] || status=77; fail "cupsd did not start as $(id -un)"; }

queue=norvane_test
output=$scratch/printed.pdf
lpadmin -p "$queue" -E -v "file://$output" \
  -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd || fail "lpadmin made no queue"
# In the background, so that a signal ends the wait at once.
NORVANE_CUPS_QUEUE=$queue setpriv --pdeathsig TERM "$@" &
pids+=("$!")
wait $! || fail "$* ended with status $?"
[ -n "$(lpstat -W all -o "$queue")" ] || fail "$1 sent no job to $queue"
for _ in $(seq 300); do
  [ -z "$(lpstat -o "$queue")" ] && break
  # A job the filters fail on stops, unfinished, until someone steps in.
  lpstat -l -o "$queue" | grep -q job-completed-with-errors && fail "the filters failed on the job"
  sleep 0.2
done
[ -s "$output" ] || fail "the queue wrote no output within 60 s"
text=$(pdftotext -enc UTF-8 "$output" -) || fail "pdftotext cannot read the output"
echo "printed through $queue, $(stat -c %s "$output") bytes of PDF:"
echo "$text"
[[ $text == *"$expected"* ]] || fail "the printed text lacks \"$expected\""
