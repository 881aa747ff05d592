#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Checks the portable Windows zip: one stripped GUI program that needs only Windows'
# own libraries, with its icon, version information and DPI-aware manifest, and the
# licences and README beside it.
set -euo pipefail
zip_file=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

unzip -q "$zip_file" -d "$work"
top=$(find "$work" -mindepth 1 -maxdepth 1 -type d)
exe="$top/electrode-calc.exe"
[ -f "$exe" ] || fail "no electrode-calc.exe"
[ -f "$top/LICENSE.txt" ] && grep -q "GNU GENERAL PUBLIC LICENSE" "$top/LICENSE.txt" || fail "no LICENSE.txt"
for l in LGPL-3.0-only GPL-3.0-only GPL-2.0-only Qt-GPL-exception-1.0; do
    [ -f "$top/licenses/qt/$l.txt" ] || fail "no Qt licence $l"
done
grep -q "Исходный код Qt" "$top/README.txt" && grep -q "Source of Qt" "$top/README.txt" ||
    fail "README.txt lacks the Russian or the English source notice"
extra=$(cd "$top" && find . -type f ! -name electrode-calc.exe ! -name LICENSE.txt ! -name README.txt \
    ! -path './licenses/qt/*.txt')
[ -z "$extra" ] || fail "unexpected files: $extra"
! find "$top" -iname '*.dll' | grep -q . || fail "a DLL beside the program"

objdump=x86_64-w64-mingw32-objdump
headers=$($objdump -p "$exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a GUI-subsystem program"
! $objdump -h "$exe" | grep -q '\.debug_' || fail "the program is not stripped"
# Only libraries that every Windows 10 has.
system='^(advapi32|authz|comdlg32|d3d11|d3d9|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|api-ms-win-[a-z0-9-]+)\.dll$'
awk '/DLL Name:/ {print tolower($3)}' <<<"$headers" >"$work/dlls"
[ -s "$work/dlls" ] || fail "no imports found"
bad=$(grep -Ev "$system" "$work/dlls" || true)
[ -z "$bad" ] || fail "the program needs libraries that are not Windows' own: $bad"

# Resources: the icon, the version information with the product, version and licence,
# and the manifest.
utf16() { python3 -c 'import sys; sys.exit(0 if sys.argv[2].encode("utf-16-le") in open(sys.argv[1],"rb").read() else 1)' "$exe" "$1"; }
for s in "ProductName" "Расчет электродов" "1.0.0" "GPL-3.0-or-later"; do
    utf16 "$s" || fail "the version information lacks '$s'"
done
grep -aq '<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>' "$exe" || fail "no per-monitor DPI awareness"
python3 - "$exe" "$(dirname "$0")/../../assets/icon.ico" <<'PY' || fail "the icon is not a resource"
import sys
exe = open(sys.argv[1], "rb").read()
ico = open(sys.argv[2], "rb").read()
# An icon file is a directory followed by its images; each image lives on in the
# resources unchanged.
count = int.from_bytes(ico[4:6], "little")
for i in range(count):
    entry = ico[6 + 16 * i:22 + 16 * i]
    size = int.from_bytes(entry[8:12], "little")
    offset = int.from_bytes(entry[12:16], "little")
    if ico[offset:offset + size] not in exe:
        sys.exit(1)
PY
echo "zip: $(basename "$zip_file"): $(du -h "$exe" | cut -f1) program, GUI, stripped, Windows libraries only"
