#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Runs the maximize test under a Wayland compositor, headless, and the real program there:
#   weston, which grants maximize to any window and leaves the title bar to the window:
#     the window draws its own, and the toolkit's (with its maximize button and resizing
#     edges) is not drawn;
#   sway, which draws the title bars: the window asks for one size, so that the
#     compositor offers neither maximizing nor resizing.
# The program names its desktop entry as its application id, so that the desktop shows
# it with its icon and name.
set -euo pipefail
compositor="$1" test_program="$2" program="$3" app_id="$4"
work=$(mktemp -d)
chmod 755 "$work"
trap 'kill "${server:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
as=() # who runs the compositor
case "$compositor" in
weston)
    weston --backend=headless-backend.so --socket=wayland-electrode --idle-time=0 \
        >"$work/compositor.log" 2>&1 &
    title_bar="the window's own"
    ;;
sway)
    # sway does not run as root; there it runs as nobody, and its clients reach it as root.
    if [ "$(id -u)" = 0 ]; then
        mkdir "$work/home"
        chown nobody: "$XDG_RUNTIME_DIR" "$work/home"
        as=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$work/home")
    fi
    printf 'xwayland disable\ndefault_border normal\n' >"$work/sway.conf"
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        "${as[@]}" sway -c "$work/sway.conf" >"$work/compositor.log" 2>&1 &
    title_bar="the window system's"
    ;;
esac
server=$!
socket=
for _ in $(seq 50); do
    socket=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'wayland-*' -printf '%f\n' | head -n 1)
    [ -n "$socket" ] && break
    sleep 0.1
done
[ -n "$socket" ] || { cat "$work/compositor.log"; echo "FAIL: $compositor did not start"; exit 1; }
# sway opens its socket before its output: a client must not come before the screen.
if [ "$compositor" = sway ]; then
    for _ in $(seq 50); do
        ipc=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'sway-ipc.*' -printf '%p\n' | head -n 1)
        [ -n "$ipc" ] && swaymsg -s "$ipc" -t get_outputs 2>/dev/null | grep -q '"name"' && break
        sleep 0.1
    done
fi
export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland

# The test draws into shared memory, as the window does, whatever graphics libraries the
# machine has (an EGL driver would otherwise be set up, and its allocations kept to the end).
QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none "$test_program" 2>&1 | tee "$work/out"
grep -q 'platform wayland' "$work/out" || { echo "FAIL: the test did not run on Wayland"; exit 1; }
grep -q "title bar: $title_bar" "$work/out" ||
    { echo "FAIL: under $compositor the title bar is not $title_bar"; exit 1; }

# The program as a desktop starts it: with the toolkit's graphics integration, with which
# the toolkit would draw its own title bar.
WAYLAND_DEBUG=client timeout 5 "$program" >/dev/null 2>"$work/protocol" || true
grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$app_id\")" "$work/protocol" ||
    { grep set_app_id "$work/protocol"; echo "FAIL: the window's application id is not $app_id"; exit 1; }
echo "application id: $app_id"
case "$compositor" in
weston)
    # The window's own size with its own bar: no margins of the toolkit's title bar.
    expected='xdg_surface@[0-9]*\.set_window_geometry(0, 0, 447, 438)'
    ;;
sway)
    expected='xdg_toplevel@[0-9]*\.set_max_size(447, 408)'
    ;;
esac
grep -q "$expected" "$work/protocol" ||
    { grep -E 'set_window_geometry|set_m[ai][xn]_size' "$work/protocol" | head
      echo "FAIL: under $compositor the window is not of its one size"; exit 1; }
echo "window under $compositor: $(grep -o "$expected" "$work/protocol" | head -n 1)"
