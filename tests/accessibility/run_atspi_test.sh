#!/usr/bin/env bash
# Runs the AT-SPI test of the window on an X screen, D-Bus session and accessibility bus of its
# own, with a window manager, so that it needs no display and leaves no process behind.
# Usage: run_atspi_test.sh <kantrix binary> <test script>
set -euo pipefail
binary=$(realpath "$1")
script=$(realpath "$2")

# The accessibility bus is started by hand: a fresh session has no service files for it.
inner='
    set -euo pipefail
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    metacity >/dev/null 2>&1 &
    manager=$!
    trap "kill $launcher $manager 2>/dev/null || true" EXIT
    for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && break; sleep 0.1; done
    /usr/bin/python3 "$0" "$1"
'
exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -nolisten tcp" \
    dbus-run-session -- bash -c "$inner" "$script" "$binary"
