#!/usr/bin/env bash
# Reads the window through the accessibility bus (AT-SPI), as a screen reader does, on a
# 1024 x 600 X server of its own: every control it shows must carry a name, and after a group
# is loaded and a row chosen by keyboard alone, the chart's name must say which record it shows.
# Needs at-spi2-core, python3-pyatspi, dbus, xvfb and xdotool (scripts/install-deps.sh --ci).
set -euo pipefail
cd "$(dirname "$0")/.."
demo=${DEMO:-build/app/hardness-tester-demo}

# Inside the session bus and the X server.
if [ "${1:-}" = --inside ]; then
  "$demo" & app=$!
  trap 'kill $app 2>/dev/null || true' EXIT
  sleep 3  # the window is up and the simulated instrument has been found
  scripts/atspi-names.py hardness-tester --chart "Impacts chart"
  window=$(xdotool search --sync --pid "$app" | tail -1)
  xdotool windowfocus --sync "$window"
  # The first group, loaded by keyboard; the focus is then in the table, on no row yet.
  xdotool key alt+g Down ctrl+l
  sleep 2
  xdotool key Down
  sleep 1
  scripts/atspi-names.py hardness-tester --chart "Impacts of record 1: "
  exit
fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data LANG=C.UTF-8 LC_ALL=C.UTF-8
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
dbus-run-session -- xvfb-run -a -s "-screen 0 1024x600x24" "$0" --inside 2>&1 \
  | grep -v -e "fd limit" -e "Activating service" -e "Successfully activated" -e SpiRegistry -e XDG_RUNTIME_DIR
