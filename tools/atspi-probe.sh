#!/bin/sh
# Runs the program on a virtual X server with the desktop accessibility bus and drives it with
# tools/atspi-probe.py, as a screen reader meets it. Needs scripts/install-deps.sh --atspi.
#   tools/atspi-probe.sh [BUILD_DIR [SCRIPT]]   (SCRIPT: another driver, tools/atspi-probe.py by default)
set -eu
build="${1:-build}"
script="${2:-}"
here="$(cd "$(dirname "$0")" && pwd)"
display=:57
# Another screen, with QT_SCALE_FACTOR for Qt's own scaling: PROBE_SCREEN=3840x2160x24
screen="${PROBE_SCREEN:-1920x1080x24}"
Xvfb "$display" -screen 0 "$screen" >/dev/null 2>&1 &
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
  exit $status' "$build/talvera" "${script:-$here/atspi-probe.py}"
