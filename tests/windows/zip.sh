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
# The icon group Explorer, the task bar and the window switcher pick from: every size
# they ask for, each image the build's icon file holds unchanged, the 32-pixel one the
# drawn window icon.
icon_sizes="16 24 32 48 64 96 256"
got=$(python3 - "$exe" "$(dirname "$zip_file")/icons/ru.orvela.ElectrodeCalc.ico" \
    "$(dirname "$0")/../../assets/icon.ico" <<'PY'
import struct, sys
exe, built, drawn = (open(f, "rb").read() for f in sys.argv[1:4])

def images(ico):  # (size, bytes) of each image in an icon file
    for i in range(struct.unpack_from("<H", ico, 4)[0]):
        w, size, offset = struct.unpack_from("<B7xII", ico, 6 + 16 * i)
        yield w or 256, ico[offset:offset + size]

# The resource tree: type, name, language; its leaves point to the data by address.
pe = struct.unpack_from("<I", exe, 0x3C)[0]
sections, optional = struct.unpack_from("<H12xH", exe, pe + 6)
table = pe + 24 + optional
def offset(rva):
    for s in range(table, table + 40 * sections, 40):
        size, address, raw_size, raw = struct.unpack_from("<IIII", exe, s + 8)
        if address <= rva < address + max(size, raw_size):
            return raw + rva - address
    sys.exit("no section holds address %#x" % rva)
root = offset(struct.unpack_from("<I", exe, pe + 24 + 112 + 8 * 2)[0])  # PE32+ resources
def children(directory):
    named, numbered = struct.unpack_from("<HH", exe, root + directory + 12)
    for e in range(named + numbered):
        key, target = struct.unpack_from("<II", exe, root + directory + 16 + 8 * e)
        yield key, target & 0x7FFFFFFF
def resource(kind, name=None):
    for k, names in children(0):
        for n, languages in children(names) if k == kind else ():
            if name is None or n == name:
                leaf = next(children(languages))[1]
                rva, size = struct.unpack_from("<II", exe, root + leaf)
                return exe[offset(rva):offset(rva) + size]
    sys.exit("no resource %d %s" % (kind, name))

group = resource(14)  # RT_GROUP_ICON
entries = [struct.unpack_from("<B11xH", group, 6 + 14 * i)
           for i in range(struct.unpack_from("<H", group, 4)[0])]
held = [(w or 256, resource(3, id)) for w, id in entries]  # RT_ICON
if held != list(images(built)) or next(images(drawn)) not in held:
    sys.exit(1)
print(" ".join(str(w) for w, _ in held))
PY
) || fail "the icon group is not the build's icon"
[ "$got" = "$icon_sizes" ] || fail "the icon holds ${got:-no} sizes, not $icon_sizes"
echo "zip: $(basename "$zip_file"): $(du -h "$exe" | cut -f1) program, GUI, stripped, Windows libraries only, icon at $got"
