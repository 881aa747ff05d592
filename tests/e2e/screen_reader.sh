#!/usr/bin/env bash
# Runs the real program in a Russian locale on an X server, a D-Bus session and an
# accessibility bus of its own, and drives it with screen_reader.py.
set -euo pipefail
program="$1"
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${E2E_OWN_BUS:-}" ]; then
    exec env E2E_OWN_BUS=1 timeout 120 dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${bus:-}" ] && kill "$bus" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
bus=$!
sleep 0.3
LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$program" 2>/dev/null &
app=$!
timeout 60 /usr/bin/python3 "$here/screen_reader.py" "$app"
