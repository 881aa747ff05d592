#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# The window looks the same under the desktop's colour schemes and widget styles:
# photographed plain, under qt6ct's stock "darker" scheme and under Adwaita and
# Adwaita-Dark where those are installed, each photograph equals the plain one but for
# the text cursor's blink.
set -euo pipefail
program="$1"
. "$(dirname "$0")/xserver.sh"
start_x

shoot() { # name, then VAR=value words
    local name=$1
    shift
    shoot_window "$@" "$program"
    mv "$work/shot.png" "$work/$name.png"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=
}
# Pixels that differ from the plain photograph; the cursor may blink in one field.
differs() {
    compare -metric AE "$work/plain.png" "$work/$1.png" "$work/$1-diff.png" 2>&1 >/dev/null || true
}
same() {
    local n
    n=$(differs "$1")
    [ "${n%%.*}" -le 40 ] 2>/dev/null || fail "$1 differs from the plain window in $n pixels"
    echo "$1: $n pixels differ"
}

shoot plain

checked=0
if [ -f /usr/share/qt6ct/colors/darker.conf ] &&
    [ -n "$(find /usr/lib -path '*platformthemes*qt6ct*' -print -quit 2>/dev/null)" ]; then
    mkdir -p "$work/config/qt6ct"
    cat >"$work/config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Windows
CONF
    shoot darker XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORMTHEME=qt6ct
    same darker
    checked=$((checked + 1))
fi
if [ -n "$(find /usr/lib -path '*styles*adwaita*' -print -quit 2>/dev/null)" ]; then
    shoot adwaita QT_STYLE_OVERRIDE=Adwaita
    same adwaita
    shoot adwaita-dark QT_STYLE_OVERRIDE=Adwaita-Dark
    same adwaita-dark
    checked=$((checked + 2))
fi
shoot windows QT_STYLE_OVERRIDE=Windows
same windows
[ "$checked" -ge 1 ] || echo "qt6ct and adwaita-qt6 are not installed: only the Windows style was tried"
echo "1 passed, 0 failed"
