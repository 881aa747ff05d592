#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Checks a Windows installer: what msiinfo reads from it, then, under 64-bit Wine in a
# prefix of its own and an English locale (where only the database's own code page
# keeps the Cyrillic names readable), a silent install with its files, shortcut and
# uninstall entry, the installed program's window, an upgrade to a newer version
# built from the same .wxs, a refused downgrade and a silent uninstall that leaves
# nothing behind. The 32-bit installer installs into Program Files (x86) there.
# With "move", the installers of the two architectures of one version, one over the
# other: one program, one entry, the other's files gone.
#
#   tests/windows/msi.sh x86|x64 MSI ZIP    (the zip the installer was built beside)
#   tests/windows/msi.sh move X86-MSI X64-MSI
set -euo pipefail
mode=$1
msi=$(realpath "$2")
zip_file=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
. "$here/../e2e/xserver.sh"
start_x 1024x768

name="Расчет электродов" publisher="The electrode-calc developers"
unset WINDOWS_LANGUAGE
export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
property() { msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"; }
version=$(property "$msi" ProductVersion)
code=$(property "$msi" ProductCode)
arch=$mode
[ "$mode" != move ] || arch=x86
template=$([ "$arch" = x86 ] && echo "Intel;1033" || echo "x64;1033")

# The package as msiinfo reads it, by the database's own code page.
suminfo=$(msiinfo suminfo "$msi")
for line in "Title: Installation Database" "Subject: $name" "Author: $publisher" "Template: $template"; do
    grep -qxF "$line" <<<"$suminfo" || fail "the summary information lacks '$line'"
done
for kv in "ProductName=$name" "Manufacturer=$publisher" "ARPPRODUCTICON=icon.ico" "ALLUSERS=1"; do
    [ "$(property "$msi" "${kv%%=*}")" = "${kv#*=}" ] || fail "the property ${kv%%=*} is not '${kv#*=}'"
done
[ "$(msiinfo export "$msi" _ForceCodepage | tr -d '\r\0' | tail -n 1)" = "1251	_ForceCodepage" ] ||
    fail "the database's code page is not 1251"
msiinfo export "$msi" LaunchCondition | grep "^NOT WIX_DOWNGRADE_DETECTED	Уже установлена более новая версия" >/dev/null ||
    fail "no downgrade message"
msiinfo extract "$msi" Icon.icon.ico | cmp -s - "$top/assets/icon.ico" || fail "the MSI's icon is not the program's"
echo "msiinfo: $name $version, $publisher, $arch, code page 1251, icon and downgrade message"

. "$here/wine.sh"
wine_programs x64
# No menu entries for the desktop outside the prefix.
WINEPREFIX="$(dirname "$msi")/wine-msi-$mode"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
rm -rf "$WINEPREFIX"
# A failed run leaves the prefix to look into.
wine_prefix
drive="$WINEPREFIX/drive_c"
# Where each architecture installs on 64-bit Windows.
folder_of() { [ "$1" = x86 ] && echo "Program Files (x86)" || echo "Program Files"; }
dir="C:\\$(folder_of "$arch")\\electrode-calc"
installed="$drive/$(folder_of "$arch")/electrode-calc"
uninstall_key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall'
msiexec() { # /i or /x, the package, further options; from the package's folder
    (cd "$(dirname "$2")" && "$wine" msiexec "$1" "$(basename "$2")" /qn "${@:3}")
}
# The uninstall entries, as text; Wine's "reg query" prints Cyrillic as blanks.
# Both registry views: a 32-bit package's entry is in the 32-bit one, and Apps and
# features shows both.
entries() {
    local key
    for key in "$uninstall_key" "${uninstall_key/Software/Software\\Wow6432Node}"; do
        rm -f "$drive/uninstall.reg"
        "$wine" regedit /E 'C:\uninstall.reg' "$key" >/dev/null 2>&1 || true
        [ -f "$drive/uninstall.reg" ] || continue
        iconv -f UTF-16 -t UTF-8 "$drive/uninstall.reg" | tr -d '\r'
    done
}
in_utf16() { python3 -c 'import sys
sys.exit(sys.argv[2].encode("utf-16-le") not in open(sys.argv[1], "rb").read())' "$@"; }

# One entry, named and from the given product; the program's file in the given
# architecture's folder and none in the other's.
check_one() { # architecture, product code
    local other=x64 text
    [ "$1" = x64 ] && other=x86
    [ -f "$drive/$(folder_of "$1")/electrode-calc/electrode-calc.exe" ] || fail "no program in $(folder_of "$1")"
    [ ! -e "$drive/$(folder_of "$other")/electrode-calc" ] || fail "the $other program was left in $(folder_of "$other")"
    text=$(entries)
    [ "$(grep -c "^\"DisplayName\"=\"$name\"$" <<<"$text")" -eq 1 ] || fail "not one uninstall entry named $name"
    grep -q "^\[.*\\\\$2\]$" <<<"$text" || fail "the entry is not that of $1"
}
if [ "$mode" = move ]; then
    x64_msi=$zip_file
    x64_code=$(property "$x64_msi" ProductCode)
    [ "$x64_code" != "$code" ] || fail "the two architectures have one product code"
    [ "$(property "$x64_msi" UpgradeCode)" = "$(property "$msi" UpgradeCode)" ] ||
        fail "the two architectures have different upgrade codes"
    msiexec /i "$msi" || fail "installing the x86 program failed"
    check_one x86 "$code"
    msiexec /i "$x64_msi" || fail "installing the x64 program over the x86 one failed"
    check_one x64 "$x64_code"
    msiexec /i "$msi" || fail "installing the x86 program over the x64 one failed"
    check_one x86 "$code"
    msiexec /x "$msi" || fail "the silent uninstall failed"
    [ -z "$(cd "$drive" && find . -iname 'electrode-calc*' -o -iname '*.lnk')" ] || fail "files are left"
    ! grep -qF "$name" <<<"$(entries)" || fail "an uninstall entry is left"
    echo "move: x86 to x64 and back, $version: one program, one entry; nothing left after"
    wine_stop
    rm -rf "$WINEPREFIX"
    exit 0
fi

# The zip's folder: the installed folder holds the very same files, and only those.
mkdir "$work/zip"
unzip -q "$zip_file" -d "$work/zip"
zip_folder=$(find "$work/zip" -mindepth 1 -maxdepth 1 -type d)

# What an installed version leaves: the zip's files, one shortcut to the program with
# the program's icon, one uninstall entry.
check_installed() { # version, product code
    diff -r "$zip_folder" "$installed" >"$work/diff" || fail "the installed files differ from the zip's: $(head -n 5 "$work/diff")"
    local lnks lnk=("$drive"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/"$name.lnk")
    lnks=$(cd "$drive" && find . -iname '*.lnk')
    [ "$(wc -l <<<"$lnks")" -eq 1 ] && [ -f "${lnk[0]}" ] || fail "not one shortcut $name.lnk in the Start menu: $lnks"
    # The link holds its target in the ANSI code page, its folder and icon in UTF-16.
    grep -aqF "$dir\\electrode-calc.exe" "${lnk[0]}" && in_utf16 "${lnk[0]}" "$dir\\" ||
        fail "the shortcut does not start $dir\\electrode-calc.exe in its folder"
    in_utf16 "${lnk[0]}" "C:\\windows\\Installer\\$2\\icon.ico" &&
        cmp -s "$drive/windows/Installer/$2/icon.ico" "$top/assets/icon.ico" || fail "the shortcut has not the program's icon"
    local text
    text=$(entries)
    [ "$(grep -c "^\"DisplayName\"=\"$name\"$" <<<"$text")" -eq 1 ] || fail "not one uninstall entry named $name"
    for kv in "DisplayName=$name" "DisplayVersion=$1" "Publisher=$publisher"; do
        sed -n "/^\[.*\\\\$2\]$/,/^$/p" <<<"$text" | grep -xF "\"${kv%%=*}\"=\"${kv#*=}\"" >/dev/null ||
            fail "the uninstall entry $2 lacks ${kv%%=*} '${kv#*=}'"
    done
}

msiexec /i "$msi" || fail "the silent install failed"
check_installed "$version" "$code"
echo "installed: the zip's files in $dir, the shortcut $name.lnk, the uninstall entry $version"

# The installed program, started from its installed path in a Russian locale; a 32-bit
# one only where Wine has its 32-bit half.
if [ "$arch" = x86 ] && [ "$(dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null)" != "install ok installed" ]; then
    echo "SKIP: the installed x86 program's window: this Wine has no 32-bit half"
else
    (cd "$work" && exec env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$wine" "$dir\\electrode-calc.exe") &
    app=$!
    window=$(wait_titled) || fail "the installed program's window titled Орвела did not appear"
    shoot_result "$window" "the installed program shows no result"
    size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
    [ "$size" = "447x408" ] || fail "the installed program's window is $size, not 447x408"
    check 4 200 "255,255,215" "the window's pale yellow"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    echo "installed program: 447x408, Орвела, the result shown"
fi

# A newer version from the same .wxs replaces it; the older one is refused then.
newer=${version%.*}.$((${version##*.} + 1))
"$top/scripts/windows-msi" "$zip_folder" "$newer" "$arch" "$work/newer.msi"
newer_code=$(property "$work/newer.msi" ProductCode)
[ "$newer_code" != "$code" ] || fail "$newer has the product code of $version"
msiexec /i "$work/newer.msi" || fail "installing $newer over $version failed"
check_installed "$newer" "$newer_code"
echo "upgrade: $newer replaced $version, one entry, one set of files"
if msiexec /i "$msi" /l*v 'C:\downgrade.log'; then fail "$version installed over $newer"; fi
grep -aq "WIX_DOWNGRADE_DETECTED = $newer_code" "$drive/downgrade.log" ||
    fail "the downgrade was not refused as one"
check_installed "$newer" "$newer_code"
echo "downgrade: $version refused over $newer, which stays"

msiexec /x "$work/newer.msi" || fail "the silent uninstall failed"
[ ! -e "$installed" ] || fail "the folder is left: $(cd "$installed" && find . | head -n 5)"
[ -z "$(cd "$drive" && find . -iname '*.lnk')" ] || fail "a shortcut is left"
! grep -qF -e "$name" -e "$newer_code" -e "$code" <<<"$(entries)" || fail "an uninstall entry is left"
echo "uninstall: no file, folder, shortcut or entry left"
wine_stop
rm -rf "$WINEPREFIX"
echo "MSI: all passed"
