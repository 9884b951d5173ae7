#!/usr/bin/env bash
# Runs the AT-SPI test of the window on an X screen, D-Bus session and accessibility bus of its
# own, with a window manager, so that it needs no display and leaves no process behind.
# Usage: run_atspi_test.sh <kantrix binary> <test script>
set -euo pipefail
binary=$(realpath "$1")
script=$(realpath "$2")

# The X server picks a free display itself and reports it once it is ready, so that tests that
# run at the same time never share a screen.
# Its frame buffer is a file, so that the test can see what the screen shows.
display_file=$(mktemp)
# A home of its own: the profile windows read the user's materials file, and nothing of the
# real home may be read or written by a test.
test_home=$(mktemp -d)
export HOME="$test_home" XDG_CONFIG_HOME="$test_home/config"
export KANTRIX_TEST_FRAMEBUFFER=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -fbdir "$KANTRIX_TEST_FRAMEBUFFER" \
    3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$display_file" "$KANTRIX_TEST_FRAMEBUFFER" "$test_home"' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$display_file")"

# The accessibility bus is started by hand: a fresh session has no service files for it.
inner='
    set -euo pipefail
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    # The window manager is started again if it gives up before it has taken the screen.
    manager=
    trap "kill $launcher \$manager 2>/dev/null || true" EXIT
    for _ in 1 2 3; do
        metacity --replace >/dev/null 2>&1 &
        manager=$!
        for _ in $(seq 50); do
            xdotool get_desktop >/dev/null 2>&1 && break 2
            sleep 0.1
        done
        kill $manager 2>/dev/null || true
    done
    /usr/bin/python3 "$0" "$1"
'
dbus-run-session -- bash -c "$inner" "$script" "$binary"
