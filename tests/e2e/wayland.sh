#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Runs the maximize test on a Wayland compositor that grants maximize to any window:
# weston with its headless backend; and the real program there, which names its desktop
# entry as its application id, so that the desktop shows it with its icon and name.
set -euo pipefail
test_program="$1" program="$2" app_id="$3"
work=$(mktemp -d)
trap 'kill "${weston:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
# Shared-memory buffers, as the window draws them, whatever graphics libraries the machine
# has (an EGL driver would otherwise be set up, and its allocations kept to the end).
export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=electrode-wl --idle-time=0 >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/electrode-wl" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/electrode-wl" ] || { cat "$work/weston.log"; echo "FAIL: weston did not start"; exit 1; }
WAYLAND_DISPLAY=electrode-wl QT_QPA_PLATFORM=wayland "$test_program" 2>&1 | tee "$work/out"
grep -q 'platform wayland' "$work/out" || { echo "FAIL: the test did not run on Wayland"; exit 1; }

WAYLAND_DISPLAY=electrode-wl QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client timeout 5 "$program" \
    >/dev/null 2>"$work/protocol" || true
grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$app_id\")" "$work/protocol" ||
    { grep set_app_id "$work/protocol"; echo "FAIL: the window's application id is not $app_id"; exit 1; }
echo "application id: $app_id"
