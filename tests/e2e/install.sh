#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Installs the build into a temporary prefix and checks what a desktop needs from it:
# the program, a valid menu entry that names it and its icon, the icon in every theme
# size, and valid AppStream metainfo.
set -euo pipefail
build="$1" id="$2"
. "$(dirname "$0")/desktopfile.sh"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

[ -x "$prefix/bin/electrode-calc" ] || fail "no program in bin/"
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no metainfo"

validate_desktop "$desktop" || fail "desktop-file-validate"
validate_metainfo "$metainfo" || fail "appstreamcli validate"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = "Electrode Estimate" ] || fail "Name is '$(key Name)'"
[ "$(key 'Name\[ru\]')" = "Расчет электродов" ] || fail "Name[ru] is '$(key 'Name\[ru\]')'"
[ -n "$(key Comment)" ] && [ -n "$(key 'Comment\[ru\]')" ] || fail "no Comment or Comment[ru]"
[ "$(key StartupNotify)" = "true" ] || fail "StartupNotify is not true"
[ "$(key SingleMainWindow)" = "true" ] || fail "SingleMainWindow is not true"
[ "$(key Exec)" = "electrode-calc" ] || fail "Exec is '$(key Exec)'"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)'"
for c in Utility Calculator Engineering; do
    key Categories | tr ';' '\n' | grep -x "$c" >/dev/null || fail "category $c is missing"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the desktop entry"
! grep -Eq '<url|https?://' "$metainfo" || fail "the metainfo names a web address"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "no project_license"
grep -q '<name xml:lang="ru">Расчет электродов</name>' "$metainfo" || fail "no Russian name"

# The manual in English and Russian. What only the Debian package carries (its
# copyright, changelog and lintian overrides) stays out of a plain install.
for f in share/man/man1/electrode-calc.1.gz share/man/ru/man1/electrode-calc.1.gz; do
    [ -f "$prefix/$f" ] || fail "no $f"
    gzip -t "$prefix/$f" || fail "$f is no gzip file"
done
page=$(man -l "$prefix/share/man/man1/electrode-calc.1.gz" 2>/dev/null)
grep -q -- '--version' <<<"$page" ||
    fail "the manual does not name --version"
[ ! -e "$prefix/share/doc" ] && [ ! -e "$prefix/share/lintian" ] ||
    fail "a plain install carries the Debian package's own files"

for n in 16 24 32 48 64 96 128 256; do
    png="$prefix/share/icons/hicolor/${n}x${n}/apps/$id.png"
    [ -f "$png" ] || fail "no ${n}x${n} icon"
    file "$png" | grep "PNG image data, $n x $n" >/dev/null || fail "$png is not a $n x $n PNG"
done

# Nothing else: no libraries, headers or build tools.
extra=$(cd "$prefix" && find . -type f ! -name validate.log | grep -Ev \
    "^\./(bin/electrode-calc|share/applications/$id\.desktop|share/metainfo/$id\.metainfo\.xml|share/icons/hicolor/[0-9]+x[0-9]+/apps/$id\.png|share/man/(ru/)?man1/electrode-calc\.1\.gz)$" || true)
[ -z "$extra" ] || fail "unexpected files installed: $extra"
echo "1 passed, 0 failed"
