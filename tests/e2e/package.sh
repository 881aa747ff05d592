#!/usr/bin/env bash
# Checks a Debian package of the calculator: its files, its dependencies, and that the
# program it installs starts and shows its window. The package is unpacked into a
# temporary root with dpkg -x, never installed on the machine.
set -euo pipefail
deb=$(realpath "$1")
id=ru.orvela.ElectrodeCalc
. "$(dirname "$0")/xserver.sh"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "electrode-calc" ] || fail "the package is named '$(field Package)'"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
for f in /usr/bin/electrode-calc /usr/share/applications/$id.desktop \
    /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/{32x32,64x64,128x128,256x256}/apps/$id.png; do
    grep -qx "$f" "$work/files" || fail "the package lacks $f"
done
! grep -Eq '\.(a|h|so[.0-9]*)$|/tst_|draw-assets|icon-sizes|floor-window|launch-timer' "$work/files" ||
    fail "the package holds build or test files"

# Dependencies: the libraries the program links, found by dpkg-shlibdeps with their
# versions, and the toolkit's platform plugins.
depends=$(field Depends)
names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libfontconfig1 qt6-qpa-plugins; do
    grep -qxF "$p" <<<"$names" || fail "Depends lacks $p: $depends"
done
grep -Eq 'libqt6widgets6 \(>= [0-9.]+\)' <<<"$depends" || fail "no version on the Qt libraries: $depends"
needed=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/electrode-calc >"$work/program" &&
    objdump -p "$work/program" | awk '/NEEDED/ {print $2}')
for lib in libQt6Widgets.so.6 libQt6Gui.so.6 libQt6Core.so.6; do
    grep -qx "$lib" <<<"$needed" || fail "the program does not link $lib"
done

root="$work/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"

start_x
shoot_window "$root/usr/bin/electrode-calc"
[ "$(readlink "/proc/$app/exe")" = "$root/usr/bin/electrode-calc" ] ||
    fail "the window is not the installed program's"
[ "$(identify -format '%wx%h' "$work/shot.png")" = "447x408" ] || fail "the window is not 447x408"
# The result of the start values is on screen: dark red digits in the result field.
convert "$work/shot.png" -crop 185x23+185+377 -unique-colors txt:- >"$work/colours"
grep -q '#800000' "$work/colours" || fail "no result is shown"
echo "1 passed, 0 failed"
