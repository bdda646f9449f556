#!/usr/bin/env bash
# Starts a D-Bus session with the accessibility bus, shows the panel (on a simulated port,
# D7 and D0 set and ticked) on a virtual X display, and reads its tree over AT-SPI:
#   run-atspi.sh PANEL_PREVIEW_PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || { echo "FAIL: no at-spi-bus-launcher (package at-spi2-core)"; exit 1; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "FAIL: no pyatspi (package python3-pyatspi)"; exit 1; }
command -v Xvfb >/dev/null || { echo "FAIL: no Xvfb (package xvfb)"; exit 1; }

display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done

exec dbus-run-session -- bash -c '
    launcher=$1 program=$2 reader=$3 display=$4
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
    "$launcher" --launch-immediately >/dev/null 2>&1 &
    bus=$!
    DISPLAY=":$display" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        "$program" 0x81 0x78 0x0C --tick 1,8 >/dev/null 2>&1 &
    panel=$!
    status=0
    /usr/bin/python3 "$reader" "$(basename "$program")" || status=$?
    kill $panel $bus $server 2>/dev/null
    wait 2>/dev/null
    exit $status' run-atspi "$launcher" "$program" "$here/read-tree.py" "$display"
