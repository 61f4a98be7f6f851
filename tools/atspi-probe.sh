#!/bin/sh
# Runs the program on a virtual X server with the desktop accessibility bus and drives it with
# tools/atspi-probe.py, as a screen reader meets it. Needs scripts/install-deps.sh --atspi.
#   tools/atspi-probe.sh [BUILD_DIR]
set -eu
build="${1:-build}"
here="$(cd "$(dirname "$0")" && pwd)"
display=:57
Xvfb "$display" -screen 0 1920x1080x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" XDG_CONFIG_HOME="$(mktemp -d)" dbus-launch --exit-with-session sh -c '
  openbox >/dev/null 2>&1 & wm=$!
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
  sleep 1.5
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$0" >/dev/null 2>&1 & app=$!
  sleep 2.5
  status=0
  /usr/bin/python3 "$1" || status=$?
  kill $app $bus $wm 2>/dev/null
  exit $status' "$build/talvera" "$here/atspi-probe.py"
