#!/usr/bin/env bash
# Runs the real program as on a desktop, once on X11 (Xvfb) and once natively
# on Wayland (weston's X11 backend inside Xvfb, so xdotool's keys reach the
# program through the compositor's seat). Each run has its own session bus
# and a fresh home, XDG folders and current directory; by keys alone it ends
# the demonstration, types a date, runs Execute, moves the chart's cursor,
# pages the chart, opens and closes the manual and ends the program with
# 終了, checking what a screen reader reads on the way, and fails if any
# file in those folders is new or changed. On Wayland it also fails if a
# window has no title bar, or if the program ever turned on the compositor's
# input method or asked for its on-screen keyboard. A third session, on
# X11, registers one person on the way with Ctrl+S and fails unless exactly
# the people's file was written, no lock file left behind.
# Usage: writes_nothing.sh PROGRAM ASSETS_DIR [x11|wayland|x11+register]...
set -euo pipefail

# The typical run by keys alone, on either platform, checked on the way as
# a screen reader reads the window.
session_steps() {
  locate_window '^NorvaneA1.0$'
  focus_window '^NorvaneA1.0$'
  sleep 1                                 # a few demonstration ticks
  expect focus '生まれた年'               # where each tick puts the focus
  xdotool type '6'                        # the first key ends the demonstration
  expect description 'バイオリズムのグラフ' '^グラフは空白です$'
  xdotool type --delay 60 '630512'        # Showa 63/05/12
  xdotool key ctrl+Return                 # 実行
  local lived weekday
  lived=$(( ($(TZ=UTC date -d today +%s) - $(TZ=UTC date -d 1988-05-12 +%s)) / 86400 ))
  expect label "^ ${lived}日です。\$"
  expect label '^（木）$'
  if [ -n "$register" ]; then
    xdotool key ctrl+s                    # 登録
    locate_window '^登録$'
    focus_window '^登録$'
    expect focus '名前'
    xdotool type --delay 60 'Hanako'
    xdotool key Return                    # OK
    wait_closed '^登録$'
    focus_window '^NorvaneA1.0$'
  fi
  # 表示開始日付を指定, then a click on the start date's year: on Wayland, a picker too.
  xdotool mousemove $((left + 20)) $((top + 341)) click 1 mousemove $((left + 45)) $((top + 340)) click 1
  tab_to 'バイオリズムのグラフ'
  xdotool key Right                       # the cursor on the chart's second day
  expect item 'バイオリズムのグラフ' "^$(TZ=UTC date -d '+1 day' +%Y/%m/%d)（"
  xdotool key Next                        # Page Down: the chart a day later
  expect item 'バイオリズムのグラフ' "^$(TZ=UTC date -d '+2 days' +%Y/%m/%d)（"
  tab_to '操作方法'
  xdotool key space
  locate_window '^マニュアル$'
  tab_to '戻る'
  xdotool key space
  wait_closed '^マニュアル$'
  focus_window '^NorvaneA1.0$'
  tab_to '終了'
  xdotool key space
}

if [ "${1:-}" != --inside-bus ]; then
  [ $# -ge 2 ] || { echo "usage: $0 PROGRAM ASSETS_DIR [x11|wayland]..." >&2; exit 2; }
  program=$1 assets=$2
  shift 2
  platforms=("$@")
  [ ${#platforms[@]} -gt 0 ] || platforms=(x11 wayland x11+register)
  passed=0 failed=0
  for platform in "${platforms[@]}"; do
    # A desktop always has a session bus; without one, D-Bus would start its
    # own and write under the home (dbus-x11's autolaunch). The bus has a
    # runtime folder of its own, as in a login: without one the accessibility
    # bus's socket is one path under the home, shared by every session at once.
    runtime=$(mktemp -d)
    if env -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$runtime" dbus-run-session -- \
      bash "$0" --inside-bus "$platform" "$program" "$assets"; then
      passed=$((passed + 1))
    else
      echo "FAIL: the $platform session" >&2
      failed=$((failed + 1))
    fi
    rm -rf "$runtime"
  done
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
fi

platform=${2%+register} program=$(realpath "$3") assets=$4
register=${2#"$platform"}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

# The folders the program could write to, watched; desktop/ holds the
# compositor's socket and the program's log, which are not the program's.
watched=(home config cache data state runtime cwd)
mkdir -p "${watched[@]/#/$scratch/}" "$scratch/desktop"
chmod 700 "$scratch/runtime" "$scratch/desktop"
cp "$assets/flower.jpg" "$assets/BioManual.txt" "$scratch/cwd/"

snapshot() {
  (cd "$scratch" && find "${watched[@]}" -printf '%y %p %s %T@\n' | sort &&
    find "${watched[@]}" -type f -exec sha256sum {} + | sort)
}
before=$(snapshot)

# Xvfb picks a free display itself and names it once it takes connections:
# a display chosen beforehand may still be held by the last test's server.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/desktop/display" \
  >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -s "$scratch/desktop/display" ] && break; sleep 0.05; done
[ -s "$scratch/desktop/display" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$scratch/desktop/display")"

app_env=(QT_QPA_PLATFORM=xcb DISPLAY="$DISPLAY")
if [ "$platform" = wayland ]; then
  # The desktop shell, for its input panel: weston shows its on-screen
  # keyboard there when a program asks for it.
  cat >"$scratch/desktop/weston.ini" <<EOF
[core]
idle-time=0
[input-method]
path=$(dpkg -L weston | grep -m1 '/weston-keyboard$')
EOF
  # --debug lets weston-debug read where the shell placed each window.
  XDG_RUNTIME_DIR="$scratch/desktop" weston --backend=x11-backend.so --shell=desktop-shell.so \
    --use-pixman --width=1024 --height=768 --socket=wayland-norvane --debug \
    --config="$scratch/desktop/weston.ini" >"$scratch/desktop/weston.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 200); do [ -e "$scratch/desktop/wayland-norvane" ] && break; sleep 0.05; done
  [ -e "$scratch/desktop/wayland-norvane" ] || { cat "$scratch/desktop/weston.log" >&2; exit 1; }
  # WAYLAND_DEBUG logs the requests the program makes, text-input's too.
  app_env=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$scratch/desktop/wayland-norvane"
    WAYLAND_DEBUG=client)
  # Before Qt 6.4 draws its title bar it sets up EGL, which loads Mesa's
  # driver. Mesa unloads it at exit, before the leak check: a block still
  # held by the driver's globals then looks leaked from no module. Preloaded
  # (after the sanitizer's runtime, which must come first), the driver stays
  # mapped and its globals are searched like any library's. Mesa installs its
  # drivers, one file under several names, in the multiarch library folder.
  asan=$(ldd "$program" | awk '$1 ~ /^libasan\./ {print $3}')
  driver=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/dri/swrast_dri.so
  if [ -n "$asan" ] && [ -e "$driver" ]; then app_env+=(LD_PRELOAD="$asan $driver"); fi
fi

# Waits for the window whose title matches $1 to show, and sets left and
# top to the screen position of its content; fails if the window shows
# without a title bar.
locate_window() {
  local geometry frame
  for _ in $(seq 200); do
    if [ "$platform" = x11 ]; then
      geometry=$(xdotool search --onlyvisible --limit 1 --name "$1" getwindowgeometry --shell \
        2>/dev/null | sed -n 's/^\([XY]\)=\([0-9]*\)$/\1 \2/p' | tr '\n' ' ' || true)
    else
      # The content lies within the shell's view of the window, under the
      # title bar that Qt draws itself: its opaque area, shorter than the
      # view. Without a title bar the whole view is opaque.
      geometry=$(XDG_RUNTIME_DIR="$scratch/desktop" WAYLAND_DISPLAY=wayland-norvane \
        timeout 5 weston-debug scene-graph 2>/dev/null |
        awk -v title="${1//[\$^]/}" '
          index($0, "top-level window '\''" title "'\''") { found = 1; next }
          found && /position: \(/ { gsub(/[][(),]/, " "); x = $2; y = $3; height = $6 - $3 }
          found && /fully opaque/ { print "X", x, "Y", y, "undecorated"; exit }
          found && /opaque: \(/ { gsub(/[][(),]/, " ")
            print "X", $2, "Y", $3, ($6 - $3 < height ? "decorated" : "undecorated"); exit }
          found && /View / { found = 0 }' || true)
    fi
    if [ -n "$geometry" ]; then
      read -r _ left _ top frame <<<"$geometry"
      [ "$frame" != undecorated ] && return 0
      echo "FAIL: ${1//[\$^]/} has no title bar ($platform)" >&2
      exit 1
    fi
    sleep 0.1
  done
  echo "FAIL: no window $1 on $platform" >&2
  exit 1
}

wait_closed() {
  for _ in $(seq 100); do
    if [ "$platform" = x11 ]; then
      xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    else
      XDG_RUNTIME_DIR="$scratch/desktop" WAYLAND_DISPLAY=wayland-norvane \
        timeout 5 weston-debug scene-graph 2>/dev/null |
        grep -qF "top-level window '${1//[\$^]/}'" || return 0
    fi
    sleep 0.1
  done
}

# Gives the window the keyboard, as a desktop does with a new window: on
# X11 there is no window manager to do it; weston does it itself.
focus_window() {
  if [ "$platform" = x11 ]; then
    xdotool search --onlyvisible --limit 1 --name "$1" windowfocus --sync
  else
    xdotool mousemove $((left + 300)) $((top + 4))  # keeps the X11 backend's window under it
  fi
}

# What a screen reader reads of the program now.
ask() { /usr/bin/python3 "$here/screen_reader.py" --ask "$@"; }

# Fails unless the label ($1 label REGEX), the control with the focus ($1
# focus NAME), the description of a control ($1 description NAME REGEX) or
# its item with the focus ($1 item NAME REGEX) reads as expected.
expect() {
  local read
  if [ "$1" = label ]; then
    read=$(ask label "$2") && return 0
    echo "FAIL: no label reads $2 ($platform)" >&2
  elif [ "$1" = focus ]; then
    for _ in $(seq 20); do
      read=$(ask focus || true)
      [ "$read" = "$2" ] && return 0
      sleep 0.2
    done
    echo "FAIL: the focus is on \"$read\", not $2 ($platform)" >&2
  else
    for _ in $(seq 20); do
      read=$(ask "$1" "$2" || true)
      [[ $read =~ $3 ]] && return 0
      sleep 0.2
    done
    echo "FAIL: $2 reads \"$read\", not $3 ($platform)" >&2
  fi
  exit 1
}

# Tab until the control named $1 has the focus.
tab_to() {
  local now
  for _ in $(seq 16); do
    now=$(ask focus || true)
    [ "$now" = "$1" ] && return 0
    xdotool key Tab
    # On only once the focus has moved: a reading slower than the Tab
    # would press the next one past the control.
    for _ in $(seq 10); do [ "$(ask focus || true)" != "$now" ] && break; sleep 0.2; done
  done
  echo "FAIL: Tab never reaches $1 ($platform)" >&2
  exit 1
}

# Only the sanitizers' settings pass through from the test's environment.
sanitizers=()
for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  [ -n "${!v:-}" ] && sanitizers+=("$v=${!v}")
done
# On the accessibility bus, as with a screen reader running: the session
# reads its results there.
(cd "$scratch/cwd" && exec env -i PATH="$PATH" LANG=C.UTF-8 TZ=UTC "${sanitizers[@]}" "${app_env[@]}" \
  DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
  XDG_DATA_HOME="$scratch/data" XDG_STATE_HOME="$scratch/state" \
  XDG_RUNTIME_DIR="$scratch/runtime" "$program" 2>"$scratch/desktop/program.log") &
app_pid=$!
pids+=("$app_pid")

session_steps

for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  echo "FAIL: the program did not end on 終了 ($platform)" >&2
  exit 1
fi
status=0
wait "$app_pid" || status=$?
if [ "$status" -ne 0 ]; then
  grep -v '^\[ *[0-9.]*\] ' "$scratch/desktop/program.log" >&2 || true
  echo "FAIL: the program ended with status $status ($platform)" >&2
  exit 1
fi

after=$(snapshot)
if [ -n "$register" ]; then
  # The people's file alone, in its folder, which the data folder's time
  # tells of: nothing else new or changed.
  written=$(diff <(echo "$before") <(echo "$after") | sed -n 's/^> [a-z0-9]* *//p' |
    grep -o 'data/norvane[^ ]*' | sort -u | tr '\n' ' ' || true)
  if [ "$written" != "data/norvane data/norvane/people.json " ]; then
    echo "FAIL: the session that registers wrote \"$written\", not the people's file alone" >&2
    exit 1
  fi
  grep -q '"name": "Hanako"' "$scratch/data/norvane/people.json" ||
    { echo "FAIL: Hanako is not in the people's file" >&2; exit 1; }
  after=$(echo "$after" | grep -v -E '^d data |data/norvane')
  before=$(echo "$before" | grep -v -E '^d data ')
fi
if [ "$before" != "$after" ]; then
  echo "FAIL: the program wrote files ($platform):" >&2
  diff <(echo "$before") <(echo "$after") >&2 || true
  exit 1
fi
if [ "$platform" = wayland ]; then
  # The date boxes take keys directly: nothing may turn on the input method
  # or show its keyboard.
  if grep -E 'zwp_text_input_v1@[0-9]+\.(activate|show_input_panel)\(' \
    "$scratch/desktop/program.log" >&2; then
    echo "FAIL: the program asked for the compositor's input method" >&2
    exit 1
  fi
  grep -q 'create_text_input(' "$scratch/desktop/program.log" ||
    { echo "FAIL: the compositor offered no text-input to check" >&2; exit 1; }
fi
if [ -n "$register" ]; then
  echo "$platform: the program wrote the people's file and nothing else"
else
  echo "$platform: the program wrote nothing"
fi
