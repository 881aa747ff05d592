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
# resizing (_MOTIF_WM_HINTS functions: resize 2, maximize 16), and draws no maximize
# button and no resize handles (decorations: resize handles 4, maximize 64).
hints=$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')
functions=$(cut -d, -f2 <<<"$hints" | tr -d ' ')
decorations=$(cut -d, -f3 <<<"$hints" | tr -d ' ')
[ -n "$functions" ] && [ $((functions & 18)) -eq 0 ] || fail "_MOTIF_WM_HINTS offers resizing or maximizing: $hints"
[ -n "$decorations" ] && [ $((decorations & 68)) -eq 0 ] ||
    fail "_MOTIF_WM_HINTS decorates with a maximize button or resize handles: $hints"
kill "$app"
wait "$app" 2>/dev/null || true
app=

# Left to right always: in right-to-left languages and with -reverse the window is the
# same picture, but for the result's decimal separator.
mv "$work/shot.png" "$work/ru.png"
masked() { convert "$1" -fill black -draw "rectangle 184,376 372,402" "$2"; }
same_as() { # reference, then what differs
    local diff
    masked "$work/$1.png" "$work/a.png"
    masked "$work/shot.png" "$work/b.png"
    diff=$(compare -metric AE "$work/a.png" "$work/b.png" /dev/null 2>&1 || true)
    [ "$diff" = "0" ] || fail "$2: $diff pixels differ from $1"
}
shoot_window "$program" -reverse
same_as ru "-reverse"
kill "$app"; wait "$app" 2>/dev/null || true; app=
for lang in he_IL.UTF-8 ar_EG.UTF-8; do
    locale -a | grep -ix "${lang/UTF-8/utf8}" >/dev/null || fail "the locale $lang is missing"
    shoot_window env LANG="$lang" LC_ALL="$lang" "$program"
    same_as ru "$lang"
    kill "$app"; wait "$app" 2>/dev/null || true; app=
done

# The toolkit's own texts follow the user's language: the length field's context menu
# is wider in Russian ("Отменить действие") than in English ("Undo").
# Whether a window of the program's other than its main window is shown; its id goes
# to $work/menu.
menu_shown() {
    local candidate
    for candidate in $(xdotool search --onlyvisible --class electrode-calc 2>/dev/null); do
        if [ "$candidate" != "$window" ]; then
            echo "$candidate" >"$work/menu"
            return 0
        fi
    done
    return 1
}

menu_width() {
    shoot_window env LANG="$1" LC_ALL="$1" "$program"
    xdotool mousemove --window "$window" 300 340 click 3
    # The menu is a window of the program's own: its width, once it is mapped, whatever
    # has been drawn in it yet.
    wait_until 60 menu_shown || fail "no context menu appeared in $1"
    local menu
    menu=$(cat "$work/menu")
    xdotool getwindowgeometry "$menu" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'
    kill "$app"; wait "$app" 2>/dev/null || true; app=
}
ru_menu=$(menu_width ru_RU.UTF-8)
en_menu=$(menu_width en_US.UTF-8)
[ "$ru_menu" -gt "$en_menu" ] || fail "the context menu is not in Russian: $ru_menu px wide, English $en_menu px"

echo "1 passed, 0 failed"
