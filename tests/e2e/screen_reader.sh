#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Runs the real program in a Russian locale on an X server, a D-Bus session and an
# accessibility bus of its own, and drives it with screen_reader.py.
set -euo pipefail
program="$1"
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${E2E_OWN_BUS:-}" ]; then
    exec env E2E_OWN_BUS=1 timeout 120 dbus-run-session -- "$0" "$@"
fi
. "$here/xserver.sh"
start_x

/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
bus=$!
# The program looks for the accessibility bus once, as it starts: it must be there. Asked
# of the bus daemon, not of the launcher, whose name would start a second one.
bus_owned() {
    local reply
    reply=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null) || return 1
    grep -q 'boolean true' <<<"$reply"
}
wait_until 60 bus_owned || fail "no accessibility bus"
LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$program" 2>/dev/null &
app=$!
timeout 60 /usr/bin/python3 "$here/screen_reader.py" "$app"
