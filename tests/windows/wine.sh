# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Shared by the Windows tests and the start-up benchmark, after tests/e2e/xserver.sh
# (its wait_until and clean-up): Wine for one architecture, a prefix of the caller's
# own with Windows' faces where Windows keeps them, and one Wine server that lives from
# the prefix's making to the end, so that no program meets a server on its way out.
# Needs WINEPREFIX set.
# shellcheck shell=bash

# Installs what is missing for x86 (Wine's 32-bit half, a 32-bit Windows) or x64:
# Wine, Windows' faces and the outline face Wine draws Microsoft Sans Serif in (as
# every Windows has that face), an X server and the Russian locale. Needs
# scripts/common.sh.
wine_install() { # x86|x64
    if [ "$1" = x86 ]; then
        if ! dpkg --print-foreign-architectures | grep -x i386 >/dev/null; then
            echo "Adding the i386 architecture for Wine's 32-bit half"
            if [ "$(id -u)" -eq 0 ]; then dpkg --add-architecture i386; else sudo dpkg --add-architecture i386; fi
        fi
        need_packages wine wine32:i386
        export WINEARCH=win32
    else
        need_packages wine64
    fi
    need_packages fonts-wine fonts-liberation2 xvfb xauth xdotool locales
    need_locales ru_RU.UTF-8
}

# Sets wine and wineserver for x86 (Wine's 32-bit half) or x64. The 64-bit loader is
# named for x64: where the 32-bit half is installed too, "wine" starts that one. The
# server binary is named as well: Debian's wrapper script tells it to end as soon as
# its last program has, which a test's next program would meet.
wine_programs() { # x86|x64
    if [ "$1" = x86 ]; then
        wine=$(command -v wine || echo /usr/bin/wine)
    else
        wine=/usr/lib/wine/wine64
        [ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
    fi
    for wineserver in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver32 \
        "$(dirname "$(realpath "$wine")")/wineserver" "$(command -v wineserver)"; do
        [ -x "$wineserver" ] && break
    done
}

# Makes the prefix where it is missing, puts Windows' own faces (fonts-wine) where
# Windows keeps them, since Debian's Wine does not look for them where the package puts
# them, and starts the server that stays.
wine_prefix() {
    "$wine" wineboot --init >/dev/null 2>&1 || true
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -u /usr/share/wine/fonts/* "$fonts/"
    wine_restart
}

# Ends every program of the prefix and its server, and starts a server that stays
# until wine_stop. Wine 10 reads some settings (the screen's density among them) only
# as its server starts.
wine_restart() {
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    "$wineserver" -p
    wine_server_up
}

# Waits until the server answers: a program of the prefix starts and ends.
wine_answers() { "$wine" cmd /c exit >/dev/null 2>&1; }
wine_server_up() {
    wait_until 60 wine_answers || { echo "FAIL: Wine's server did not start" >&2; return 1; }
}

wine_stop() {
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
}

# The clean-up on exit of xserver.sh, sourced before: the prefix's programs and its
# server end before the X server they draw on.
cleanup() {
    local pid
    for pid in ${app:-} ${bus:-} ${xvfb:-}; do kill "$pid" 2>/dev/null || true; done
    wine_stop
    rm -rf "$work"
}
