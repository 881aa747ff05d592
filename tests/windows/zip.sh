#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Checks a portable Windows zip: one stripped GUI program of the zip's architecture
# that needs only Windows' own libraries, with its icon, version information and
# manifest (Windows 7 to 11, Common Controls 6, DPI awareness), and the licence and
# README beside it.
#
#   tests/windows/zip.sh ZIP x86|x64 ICO    (ICO: the build's icon file)
set -euo pipefail
zip_file=$(realpath "$1")
arch=$2
ico=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

unzip -q "$zip_file" -d "$work"
top=$(find "$work" -mindepth 1 -maxdepth 1 -type d)
exe="$top/electrode-calc.exe"
[ -f "$exe" ] || fail "no electrode-calc.exe"
[ -f "$top/LICENSE.txt" ] && grep -q "GNU GENERAL PUBLIC LICENSE" "$top/LICENSE.txt" || fail "no LICENSE.txt"
bits=$([ "$arch" = x86 ] && echo 32 || echo 64)
grep -q "Исходный код: репозиторий electrode-calc" "$top/README.txt" && grep -q "Source: the electrode-calc" "$top/README.txt" ||
    fail "README.txt lacks the Russian or the English source notice"
grep -q "для Windows ($bits-разрядная)" "$top/README.txt" && grep -q "for Windows ($bits-bit)" "$top/README.txt" ||
    fail "README.txt does not name the $bits-bit build"
extra=$(cd "$top" && find . -type f ! -name electrode-calc.exe ! -name LICENSE.txt ! -name README.txt)
[ -z "$extra" ] || fail "unexpected files: $extra"
! find "$top" -iname '*.dll' | grep . >/dev/null || fail "a DLL beside the program"

objdump=$([ "$arch" = x86 ] && echo i686 || echo x86_64)-w64-mingw32-objdump
headers=$($objdump -p "$exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a GUI-subsystem program"
format=$($objdump -f "$exe" | sed -n 's/.*file format //p')
[ "$format" = "$([ "$arch" = x86 ] && echo pei-i386 || echo pei-x86-64)" ] ||
    fail "the program is $format, not $arch"
! $objdump -h "$exe" | grep '\.debug_' >/dev/null || fail "the program is not stripped"
# Only libraries that every Windows since 7 has.
system='^(comctl32|gdi32|imm32|kernel32|msvcrt|ole32|shell32|user32)\.dll$'
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
grep -aq '<dpiAwareness[^>]*>PerMonitorV2, system</dpiAwareness>' "$exe" || fail "no per-monitor DPI awareness"
grep -aq '<dpiAware[^>]*>true</dpiAware>' "$exe" || fail "not system-aware on Windows 7 and 8.1"
grep -aq 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$exe" || fail "not Common Controls 6"
for os in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
    grep -aq "supportedOS Id=\"{$os}\"" "$exe" || fail "the manifest does not name Windows {$os}"
done
# The icon group Explorer, the task bar and the window switcher pick from: every size
# they ask for, each image the build's icon file holds unchanged, the 32-pixel one the
# drawn window icon.
icon_sizes="16 24 32 48 64 96 256"
got=$(python3 - "$exe" "$ico" \
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
plus = struct.unpack_from("<H", exe, pe + 24)[0] == 0x20B  # PE32+ or PE32
root = offset(struct.unpack_from("<I", exe, pe + 24 + (112 if plus else 96) + 8 * 2)[0])
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
