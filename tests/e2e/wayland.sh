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
cleanup() {
    if [ -n "${server:-}" ]; then kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
# The compositor's runtime folder; its clients have one of their own and reach its
# socket by its full path.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/clients"
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
        as=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups env HOME="$work/home")
    fi
    printf 'xwayland disable\ndefault_border normal\n' >"$work/sway.conf"
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        "${as[@]}" sway -c "$work/sway.conf" >"$work/compositor.log" 2>&1 &
    title_bar="the window system's"
    ;;
*) fail "no such compositor: $compositor" ;;
esac
server=$!
socket=
for _ in $(seq 50); do
    socket=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'wayland-*' -printf '%f\n' | head -n 1)
    [ -n "$socket" ] && break
    sleep 0.1
done
[ -n "$socket" ] || { cat "$work/compositor.log"; fail "$compositor did not start"; }
# sway opens its socket before its output: a client must not come before the screen.
if [ "$compositor" = sway ]; then
    screen=
    for _ in $(seq 50); do
        ipc=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'sway-ipc.*' -printf '%p\n' | head -n 1)
        if [ -n "$ipc" ] && grep -q '"name"' <<<"$(swaymsg -s "$ipc" -t get_outputs 2>/dev/null)"; then
            screen=yes
            break
        fi
        sleep 0.1
    done
    [ -n "$screen" ] || { cat "$work/compositor.log"; fail "sway has no screen"; }
fi
export WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/$socket" XDG_RUNTIME_DIR="$work/clients"
export QT_QPA_PLATFORM=wayland

# The test draws into shared memory, as the window does, whatever graphics libraries the
# machine has (an EGL driver would otherwise be set up, and its allocations kept to the end).
QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none "$test_program" 2>&1 | tee "$work/out"
grep -q 'platform wayland' "$work/out" || fail "the test did not run on Wayland"
grep -q "title bar: $title_bar" "$work/out" || fail "under $compositor the title bar is not $title_bar"

# The program as a desktop starts it, with the toolkit's graphics integration: only
# with one does the toolkit draw its own title bar, whose margins would show in the
# window's geometry.
WAYLAND_DEBUG=client timeout 10 "$program" >/dev/null 2>"$work/protocol" || true
# libwayland 1.21 writes "xdg_toplevel@15.set_app_id(…)"; 1.23 writes the object as
# "xdg_toplevel#15" and may put the queue's name, "{Default Queue}", in front.
grep -Eq "xdg_toplevel[@#][0-9]+\.set_app_id\(\"$app_id\"\)" "$work/protocol" ||
    { grep set_app_id "$work/protocol"; fail "the window's application id is not $app_id"; }
echo "application id: $app_id"
case "$compositor" in
weston) # the window's size with its own bar, and no minimum
    expected=('set_window_geometry(0, 0, 447, 438)' 'set_max_size(0, 0)') ;;
sway) # one size, and the compositor's title bar
    expected=('set_window_geometry(0, 0, 447, 408)' 'set_min_size(447, 408)'
        'set_max_size(447, 408)') ;;
esac
for line in "${expected[@]}"; do
    grep -qF ".$line" "$work/protocol" ||
        { grep -E 'set_window_geometry|set_m[ai][xn]_size' "$work/protocol" | head
          fail "under $compositor the window does not ask $line"; }
done
echo "window under $compositor: ${expected[*]}"
