#!/usr/bin/env bash
# Runs a test program as a screen reader's user runs Norvane, without the
# screen reader: on Xvfb, in this session bus (dbus-run-session), with the
# accessibility bus started and its screen-reader flag on, so that Qt's
# accessibility is active.
set -euo pipefail
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:ScreenReaderEnabled \
  variant:boolean:true >/dev/null
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a "$@"
