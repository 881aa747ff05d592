#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Runs the real program on an X server of its own, takes a picture of its window and
# checks its size and the colours at a few chosen points.
set -euo pipefail
program="$1"
. "$(dirname "$0")/xserver.sh"
start_x

shoot_window "$program"

size=$(identify -format '%wx%h' "$work/shot.png")
[ "$size" = "447x408" ] || fail "window is $size, not 447x408"

check 4 200 "255,255,215" "the window's pale yellow"
check 440 300 "255,255,215" "the window's pale yellow"
check 380 100 "192,255,192" "the frame's pale green"
check 340 380 "255,224,192" "the exit button's face"
check 310 180 "255,255,255" "the type label's background"
check 100 365 "0,0,0" "the upper rule"
check 100 368 "0,0,0" "the lower rule"
check 100 366 "255,255,215" "the gap between the rules"

# The result and its caption are dark red, the title deep red.
colours() { convert "$work/shot.png" -crop "$1" -unique-colors txt:- | grep -c "$2" || true; }
[ "$(colours 185x23+185+377 '#800000')" -ge 1 ] || fail "the result is not dark red"
[ "$(colours 160x20+8+385 '#800000')" -ge 1 ] || fail "the result caption is not dark red"
[ "$(colours 440x30+0+8 '#C00000')" -ge 1 ] || fail "the title is not deep red"

# The window manager is offered moving, minimizing and closing, neither maximizing nor
# resizing (_MOTIF_WM_HINTS functions: resize 2, maximize 16).
hints=$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')
functions=$(cut -d, -f2 <<<"$hints" | tr -d ' ')
[ -n "$functions" ] && [ $((functions & 18)) -eq 0 ] || fail "_MOTIF_WM_HINTS offers resizing or maximizing: $hints"

echo "1 passed, 0 failed"
