#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Runs the real program at twice the pixel density (QT_SCALE_FACTOR=2) and checks that
# the window is twice the size, that the text is drawn with the finer pixels, and that
# the joint picture and the window icon are enlarged by whole numbers without blur;
# then at the fractional densities 1.25, 1.5 and 1.75, where the joint picture must
# still have only black and white pixels.
set -euo pipefail
program="$1" assets="$2"
. "$(dirname "$0")/xserver.sh"
start_x 1280x1024

shoot_window QT_SCALE_FACTOR=2 "$program"
size=$(identify -format '%wx%h' "$work/shot.png")
[ "$size" = "894x816" ] || fail "window is $size, not 894x816"

# The joint picture (Н1 at start) sits inside the picture box's 1-pixel frame at
# (304, 200): every pixel of it must be a 2 x 2 block of the drawing.
convert "$work/shot.png" -crop 240x190+610+402 +repage "$work/picture.png"
convert "$assets/n1.bmp" -sample 200% "$work/expected.png"
differ=$(compare -metric AE "$work/picture.png" "$work/expected.png" null: 2>&1 || true)
[ "$differ" = "0" ] || fail "the joint picture differs from the drawing enlarged twice in $differ pixels"

# Text drawn at the finer density has edges that no 2 x 2 block enlargement has.
convert "$work/shot.png" -crop 860x40+16+16 +repage "$work/title.png"
convert "$work/title.png" -sample 50% -sample 200% "$work/coarse.png"
finer=$(compare -metric AE "$work/title.png" "$work/coarse.png" null: 2>&1 || true)
[ "${finer%%.*}" -gt 500 ] || fail "the title looks enlarged from coarse pixels ($finer finer pixels)"

# Each icon the window offers is one of its drawings (16, 24 or 32 pixels) enlarged by
# a whole number: square blocks of one colour.
xprop -id "$window" -notype -f _NET_WM_ICON 32c _NET_WM_ICON | sed 's/^[^=]*= //' |
    tr -d ' ' | tr ',' '\n' >"$work/icon"
awk '
    function fail(m) { print "FAIL: " m > "/dev/stderr"; bad = 1; exit 1 }
    { v[NR] = $1 }
    END {
        if (bad) exit 1
        i = 1; sizes = ""
        while (i <= NR) {
            w = v[i]; h = v[i + 1]; i += 2
            if (w != h || (w % 32 && w % 24 && w % 16)) fail("an icon of " w " x " h)
            k = w % 32 == 0 ? w / 32 : w % 24 == 0 ? w / 24 : w / 16; sizes = sizes " " w
            for (y = 0; y < h; y++)
                for (x = 0; x < w; x++)
                    if (v[i + y * w + x] != v[i + (y - y % k) * w + (x - x % k)])
                        fail("the " w "-pixel icon is not whole blocks at " x "," y)
            i += w * h
        }
        if (sizes !~ / 48 / || sizes !~ / 64/) fail("no 48- or 64-pixel icon among" sizes)
    }' "$work/icon" || exit 1

kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
for f in 1.25 1.5 1.75; do
    shoot_window QT_SCALE_FACTOR=$f "$program"
    expected=$(awk -v f="$f" 'BEGIN { printf "%dx%d", int(447 * f + 0.5), int(408 * f + 0.5) }')
    size=$(identify -format '%wx%h' "$work/shot.png")
    [ "$size" = "$expected" ] || fail "at $f the window is $size, not $expected"
    # The drawing inside the box's frame, less a device pixel at each edge.
    crop=$(awk -v f="$f" 'BEGIN {
        x0 = int(305 * f) + 2; y0 = int(201 * f) + 2; x1 = int(425 * f) - 2; y1 = int(296 * f) - 2
        printf "%dx%d+%d+%d", x1 - x0, y1 - y0, x0, y0 }')
    colours=$(convert "$work/shot.png" -crop "$crop" +repage -unique-colors txt:- |
        grep -o '#[0-9A-F]\{6\}' | sort -u | tr '\n' ' ')
    [ "$colours" = "#000000 #FFFFFF " ] || fail "at $f the joint picture has the colours $colours"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
done

echo "1 passed, 0 failed"
