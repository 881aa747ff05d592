#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Tests the native Windows program of one architecture under Wine, as Windows 7 and as
# Windows 10, at 96 dpi and at the usual larger scales:
# - what the file holds: only functions that Windows 7 SP1 has (imports.txt), ASLR and
#   DEP, no build-machine path;
# - the window's logic alone, and the window from inside (tst_window);
# - the two options;
# - the running window driven from outside, by the mouse and keys of an X server and by
#   window messages: start values, a pick in every list, typing, a refused paste, the
#   colours on screen, a random walk checked against the logic alone, Alt+F4 and the
#   exit button;
# - the files it opens, started from a drive of its own.
#
#   native.sh BIN-FOLDER x86|x64
# x86 needs Wine's 32-bit half (wine32:i386), which Debian 13 installs; the prefix for
# it is a 32-bit Windows.
set -euo pipefail
bin=$(realpath "$1")
arch=$2
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
. "$top/scripts/common.sh"
case $arch in
x86) tools=i686-w64-mingw32 binutils=binutils-mingw-w64-i686 ;;
x64) tools=x86_64-w64-mingw32 binutils=binutils-mingw-w64-x86-64 ;;
*) echo "usage: native.sh BIN-FOLDER x86|x64" >&2; exit 2 ;;
esac
failed=0
flunk() { echo "FAIL: $*" >&2; failed=$((failed + 1)); }
exe="$bin/electrode-calc.exe"
. "$here/../e2e/xserver.sh"
. "$here/wine.sh"
wine_install "$arch"
need_packages "$binutils" imagemagick x11-utils python3
wine_programs "$arch"
export WINE=$wine

# What the file holds.
"$tools-objdump" -p "$exe" >"$work/headers"
python3 - "$here/imports.txt" "$arch" "$work/headers" <<'PY' || failed=$((failed + 1))
import re, sys
allowed = {}
for line in open(sys.argv[1], encoding="utf-8"):
    line = line.split("#")[0].split()
    if len(line) == 2:
        allowed.setdefault(line[0].lower(), set()).add(line[1])
text = open(sys.argv[3], encoding="utf-8", errors="replace").read()
imports, dll = {}, None
for line in text.splitlines():
    m = re.match(r"\s*DLL Name: (\S+)", line)
    if m:
        dll = m.group(1).lower(); imports.setdefault(dll, set()); continue
    m = re.match(r"\s+[0-9a-f]+\s+<none>\s+[0-9a-f]+\s+(\S+)|\s+[0-9a-f]+\s+[0-9a-f]+\s+(\S+)$", line)
    if dll and m:
        imports[dll].add(m.group(1) or m.group(2))
    if line.startswith("The Function Table") or line.startswith("PE File Base Relocations"):
        dll = None
newer = [f"{d} {f}" for d, fs in imports.items() for f in sorted(fs) if f not in allowed.get(d, ())]
if not imports or newer:
    print("FAIL: imports that the list of Windows 7 SP1 functions does not have:", *newer, sep="\n  ", file=sys.stderr)
    sys.exit(1)
flags = int(re.search(r"DllCharacteristics\s+([0-9a-f]+)", text).group(1), 16)
wanted = 0x40 | 0x100 | (0x20 if sys.argv[2] == "x64" else 0)  # ASLR, DEP, high-entropy ASLR
if flags & wanted != wanted:
    sys.exit(f"FAIL: DllCharacteristics {flags:#x} lacks {wanted & ~flags:#x}")
major = int(re.search(r"MajorSubsystemVersion\s+(\d+)", text).group(1))
minor = int(re.search(r"MinorSubsystemVersion\s+(\d+)", text).group(1))
if (major, minor) > (6, 1):
    sys.exit(f"FAIL: the file asks for Windows {major}.{minor}")
print(f"electrode-calc.exe ({sys.argv[2]}): {sum(map(len, imports.values()))} imports from "
      f"{', '.join(sorted(imports))}, all Windows 7's; ASLR and DEP")
PY
found=$("$tools-strings" -a "$exe" | grep -F -e "$top" -e "$(dirname "$bin")" -e "$HOME/" | head -n 3 || true)
[ -z "$found" ] || flunk "electrode-calc.exe holds build-machine paths: $found"
stripped=$(mktemp)
"$tools-strip" -o "$stripped" "$exe"
echo "electrode-calc.exe ($arch): $(stat -c %s "$stripped") bytes stripped"
rm -f "$stripped"

# Wine's 32-bit half is 32-bit Linux programs: where the kernel runs none (it answers
# "Exec format error", status 126), a 32-bit Windows program cannot start under Wine.
status=0
"$wine" --version >/dev/null 2>&1 || status=$?
if [ "$status" -eq 126 ]; then
    [ "$failed" -eq 0 ] || fail "$failed native Windows checks failed ($arch)"
    echo "SKIP: native Windows tests ($arch) under Wine: this machine's kernel runs no 32-bit" \
        "programs ($wine: Exec format error); the file's checks above passed"
    exit 0
fi
[ "$status" -eq 0 ] || fail "$wine --version failed with status $status"

# Large enough for the window at 200 %.
start_x 1280x1024
export WINEPREFIX=${WINEPREFIX:-$work/wine-$arch} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_prefix
# A change of Windows version or of the screen's density reaches every program started
# after it, on every Wine: the server starts afresh.
as_windows() { "$wine" winecfg -v "$1" >/dev/null 2>&1; wine_restart; }
logpixels() {
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wine_restart
}
run() { (cd "$bin" && env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 timeout 600 "$wine" "$@" | tr -d '\r'); }

# A console program's verdict is its last line.
verdict() { # label, program, arguments
    local label=$1 out status=0
    shift
    out=$(run "$@") || status=$?
    local last
    last=$(tail -n 1 <<<"$out")
    if [ "$status" -ne 0 ] || ! grep -q ' 0 failed$' <<<"$last"; then
        grep -a '^FAIL' <<<"$out" | head -20 >&2 || true
        flunk "$1 ($label): $last, status $status"
    else
        grep -a '^SKIP\|drawn in' <<<"$out" || true
        echo "$1 ($label): $last"
    fi
}

for version in win7 win10; do
    as_windows "$version"
    verdict "$version" tst_form.exe
    verdict "$version" tst_walk.exe
    verdict "$version, 96 dpi" tst_window.exe
    for dpi in 120 144 192; do
        logpixels "$dpi"
        verdict "$version, $dpi dpi" tst_window.exe captions identity picks density
    done
    logpixels 96
done

# The two options, without a window.
[ "$(run electrode-calc.exe --version)" = "electrode-calc 1.0.0" ] || flunk "--version"
case "$(run electrode-calc.exe --help)" in "Использование: electrode-calc"*) echo "--help and --version: answered" ;;
*) flunk "--help" ;; esac

# The running window.
probe() { run probe.exe "$@"; }
start_window() {
    (cd "$bin" && exec env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$wine" electrode-calc.exe) &
    app=$!
    window=$(wait_titled) || fail "the window titled Орвела did not appear"
    wait_until 30 probe agree >/dev/null || fail "the window did not show its start values"
}
ended_with() { # status, what ended it
    timeout 30 tail --pid="$app" -f /dev/null || fail "$2 did not end the program"
    local status=0
    wait "$app" || status=$?
    app=
    [ "$status" -eq "$1" ] || fail "after $2 the program ended with status $status"
}
field() { probe read | sed -n "s/^$1=//p"; }
click() { # control, x and y inside it (from its left and top; negative from its right)
    local x y w h
    read -r x y w h _ < <(probe rect "$1")
    local at=$2
    [ "$at" -ge 0 ] || at=$((w + at))
    xdotool mousemove --window "$window" $((x + at)) $((y + $3)) click 1
}

as_windows win10
start_window
[ "$(field Текст3)" = "0,226" ] || fail "the start result is $(field Текст3), not 0,226"
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$size" = "447x408" ] || fail "the window is $size, not 447x408"
shoot_result "$window" "no result in dark red"
check 4 200 "255,255,215" "the window's pale yellow"
check 380 100 "192,255,192" "the frame's pale green"
check 340 380 "255,224,192" "the exit button's face"
# The captions are drawn bold: as dark as the caption drawn bold in the window's face,
# not as the regular one.
read -r x y w h _ < <(probe rect Метка11)
read -r regular bold < <(probe inked Метка11)
dark=$(convert "$work/shot.png" -crop "${w}x${h}+$x+$y" -colorspace gray -threshold 50% \
    -format '%[fx:round(w*h*(1-mean))]' info:)
[ "$dark" -ge $(((regular + bold) / 2)) ] ||
    fail "Метка11 is drawn with $dark dark pixels: regular $regular, bold $bold"
echo "Метка11 drawn bold: $dark dark pixels (regular $regular, bold $bold)"
# A pick by the mouse: the list opens, the second item is clicked.
click Комбо2 -8 8
wait_until 10 probe dropped Комбо2 || fail "the joint list did not open"
read -r _ _ _ h item < <(probe rect Комбо2)
click Комбо2 10 $((h + item + item / 2))
wait_until 10 test "$(field Комбо2)" = Н2 || fail "the mouse picked $(field Комбо2), not Н2"
# A pick in every list by the keyboard: the next item.
for list in Комбо1 Комбо3 Комбо4 Комбо5 Комбо6 Комбо2; do
    before=$(field "$list")
    click "$list" 10 8
    xdotool key Down
    wait_until 10 test "$(field "$list")" != "$before" || fail "Down did not pick in $list"
done
probe agree >/dev/null || fail "after the picks the fields do not agree: $(probe agree)"
# Typing into the length: all of it selected, then typed over; letters refused.
click Текст2 20 8
xdotool key ctrl+a
xdotool type --delay 50 "25x00"
wait_until 10 test "$(field Текст2)" = 2500 || fail "typing gave the length '$(field Текст2)'"
probe agree >/dev/null || fail "after typing the fields do not agree: $(probe agree)"
# The result takes no paste.
shown=$(field Текст3)
probe clip 5
click Текст3 20 8
xdotool key shift+Insert ctrl+v
[ "$(field Текст3)" = "$shown" ] || fail "a paste changed the result to '$(field Текст3)'"
# Selecting all of the result and copying it leaves it whole and copies it whole.
xdotool key ctrl+a ctrl+c
wait_until 10 test "$(probe clipboard)" = "$shown" ||
    fail "Ctrl+A, Ctrl+C in the result copied '$(probe clipboard)', not '$shown'"
[ "$(field Текст3)" = "$shown" ] || fail "Ctrl+A changed the result to '$(field Текст3)'"
# A deletion after them empties the result whole: the keys before it were handled.
xdotool key End BackSpace
wait_until 10 test -z "$(field Текст3)" || fail "a deletion left the result '$(field Текст3)'"
# Shift+Insert pastes into the length.
probe clip 750
click Текст2 20 8
xdotool key ctrl+a shift+Insert
wait_until 10 test "$(field Текст2)" = 750 || fail "Shift+Insert gave the length '$(field Текст2)'"
probe agree >/dev/null || fail "after Shift+Insert the fields do not agree: $(probe agree)"
echo "the window: start values, a mouse pick, a pick in every list, typing, a refused paste," \
    "Ctrl+A and Ctrl+C in the result, Shift+Insert"
xdotool mousemove --window "$window" 380 388 click 1
ended_with 0 "the exit button"
# Random walks through a new window each, from its start values: the seeds that once
# failed, then a new one (WALK_SEED repeats one).
for seed in 19616 "${WALK_SEED:-$RANDOM}"; do
    start_window
    status=0
    out=$(probe walk "$seed" 1000) || status=$?
    [ "$status" -eq 0 ] || { grep '^FAIL' <<<"$out" >&2; fail "the walk with seed $seed failed"; }
    echo "the walk through the window, seed $seed: $(tail -n 1 <<<"$out")"
    xdotool mousemove --window "$window" 380 388 click 1
    ended_with 0 "the exit button after the walk"
done
start_window
click Комбо1 10 8
xdotool key alt+F4
ended_with 0 "Alt+F4"
echo "electrode-calc.exe ($arch): 447x408, its colours; ended by Выход and by Alt+F4 with status 0"

# The files it opens, started from a drive of its own.
"$here/native-paths.sh" "$bin" || failed=$((failed + 1))

[ "$failed" -eq 0 ] || fail "$failed native Windows checks failed ($arch)"
echo "native Windows tests ($arch): all passed"
