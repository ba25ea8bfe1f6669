#!/usr/bin/env bash
# Runs the real program under Xvfb with a fresh home, XDG folders and
# current directory, goes through the demonstration, key entry, Execute,
# scrolling and the manual with xdotool, ends it with 終了, and fails if any
# file in those folders is new or changed.
# Usage: writes_nothing.sh PROGRAM ASSETS_DIR
set -euo pipefail
program=$1
assets=$2

scratch=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

mkdir -p "$scratch"/{home,config,cache,data,state,runtime,cwd}
chmod 700 "$scratch/runtime"
cp "$assets/flower.jpg" "$assets/BioManual.txt" "$scratch/cwd/"

snapshot() {
  (cd "$scratch" && find . -printf '%y %p %s %T@\n' | sort &&
    find . -type f -exec sha256sum {} + | sort)
}
before=$(snapshot)

display=
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free display" >&2; exit 1; }
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
export DISPLAY=":$display"

# Only the sanitizers' settings pass through from the test's environment.
sanitizers=()
for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  [ -n "${!v:-}" ] && sanitizers+=("$v=${!v}")
done
(cd "$scratch/cwd" && exec env -i PATH="$PATH" DISPLAY="$DISPLAY" LANG=C.UTF-8 "${sanitizers[@]}" \
  HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
  XDG_DATA_HOME="$scratch/data" XDG_STATE_HOME="$scratch/state" \
  XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb "$program") &
app_pid=$!

window=$(timeout 20 xdotool search --sync --limit 1 --name '^NorvaneA1.0$')
# Positions in the window's logical pixels: twips / 15.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }

sleep 1                      # a few demonstration ticks
click 108 36                 # the year box
xdotool type --delay 60 '6' # the first key ends the demonstration
xdotool type --delay 60 '630512'
sleep 0.3
click 448 368                # 実行
click 598 301                # the scroll bar's right arrow, twice
click 598 301
click 192 368                # 操作方法
manual=$(timeout 10 xdotool search --sync --limit 1 --name '^マニュアル$')
xdotool mousemove --window "$manual" 268 436 click 1   # 戻る
# The main window takes no clicks while the manual is open.
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^マニュアル$' >/dev/null 2>&1 || break
  sleep 0.1
done
click 580 368                # 終了

for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  echo "FAIL: the program did not end on 終了" >&2
  exit 1
fi
wait "$app_pid" || { echo "FAIL: the program ended with status $?" >&2; exit 1; }
app_pid=

after=$(snapshot)
if [ "$before" != "$after" ]; then
  echo "FAIL: the program wrote files:" >&2
  diff <(echo "$before") <(echo "$after") >&2 || true
  exit 1
fi
echo "1 passed, 0 failed: the program wrote nothing"
