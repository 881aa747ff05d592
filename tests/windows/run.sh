#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Runs the Windows build's tests under Wine: the unit and widget tests, each on the
# platform it needs (Wine's own display driver on an X server of our own, or the
# offscreen platform for the long tables), the window's start texts in a Russian and
# an English locale, the two options through a pipe and on a console, the paths the
# programs read (paths.sh), and the real program's window.
set -euo pipefail
bin=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/xserver.sh"
start_x 1024x768

wine=${WINE:-$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)}
export WINEPREFIX=${WINEPREFIX:-$bin/../wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot --init >/dev/null 2>&1 || true
# Windows' own faces (fonts-wine: "MS Sans Serif" as bitmap strikes, Tahoma), in the
# folder where Windows keeps them: Debian's Wine looks for them beside its data folder,
# where the package does not put them, and would otherwise show the host's faces only.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
[ -d /usr/share/wine/fonts ] || fail "fonts-wine is not installed"
mkdir -p "$fonts"
cp -u /usr/share/wine/fonts/* "$fonts/"
failed=0

# Wine hands a test's output to no terminal: Qt Test writes it to a file instead.
qtest() { # test name, a label, then its arguments
    local name=$1 label=$2 log="$work/$1-$2.txt"
    shift 2
    local status=0
    (cd "$bin" && env LANG="${TEST_LANG:-ru_RU.UTF-8}" LC_ALL="${TEST_LANG:-ru_RU.UTF-8}" \
        timeout 900 "$wine" "$name.exe" "$@" -o "$log,txt") || status=$?
    local totals
    totals=$(grep -a '^Totals:' "$log" 2>/dev/null || echo "no totals")
    if [ "$status" -ne 0 ] || ! grep -q ' 0 failed' <<<"$totals"; then
        grep -a -A4 '^FAIL' "$log" 2>/dev/null | head -40 >&2 || true
        echo "FAIL: $name ($label): $totals, status $status" >&2
        failed=$((failed + 1))
    else
        echo "$name ($label): $totals"
    fi
}

# On Wine's display driver, with the Windows platform and Windows' fonts.
for t in tst_definition tst_startup tst_fields tst_maximize tst_icon tst_assets; do
    qtest "$t" windows
done
# At Windows' usual scales (125, 150 and 200 %, as a user sets them: the screen's
# LogPixels): every caption fits, from an outline face, and bold.
logpixels() { "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
for dpi in 120 144 192; do
    logpixels "$dpi"
    qtest tst_definition "$dpi-dpi" captionsFit
done
logpixels 96
# The input method's, the drop's and the clipboard's ways in, on the Windows platform.
qtest tst_keys windows preeditNeverBecomesText inputMethodHints resultTakesNoPaste \
    toolkitTextsInRussian
# The tests without windows, and the long tables offscreen, where a window needs no
# round trip to the X server.
for t in tst_numbers tst_mass tst_catalogue; do
    qtest "$t" guiless
done
# The window's logic without a toolkit: console programs, their verdict on output.
for t in tst_form tst_walk; do
    status=0
    out=$(cd "$bin" && timeout 900 "$wine" "$t.exe" | tr -d '\r') || status=$?
    verdict=$(tail -n 1 <<<"$out")
    if [ "$status" -ne 0 ] || ! grep -q ' 0 failed$' <<<"$verdict"; then
        grep -a '^FAIL' <<<"$out" | head -20 >&2 || true
        echo "FAIL: $t: $verdict, status $status" >&2
        failed=$((failed + 1))
    else
        echo "$t: $verdict"
    fi
done
for t in tst_keys tst_randomwalk; do
    qtest "$t" offscreen -platform offscreen
done

# The decimal separator follows the locale Wine hands the program.
for lang in ru_RU.UTF-8:0,226 en_US.UTF-8:0.226; do
    TEST_LANG=${lang%%:*} qtest tst_systemlocale "${lang%%:*}"
    tr -d '\r' <"$work/tst_systemlocale-${lang%%:*}.txt" | grep -aq "shown result ${lang#*:}\$" ||
        { echo "FAIL: ${lang%%:*} does not show ${lang#*:}" >&2; failed=$((failed + 1)); }
done

# The two options, without opening a window.
version=$(cd "$bin" && "$wine" electrode-calc.exe --version | tr -d '\r')
[ "$version" = "electrode-calc 1.0.0" ] || { echo "FAIL: --version printed '$version'" >&2; failed=$((failed + 1)); }
help=$(cd "$bin" && LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$wine" electrode-calc.exe --help | tr -d '\r')
case "$help" in "Использование: electrode-calc"*) echo "--help and --version: answered" ;;
*) echo "FAIL: --help printed '$help'" >&2; failed=$((failed + 1)) ;; esac

# The same answers on the console they are typed in. A Windows-subsystem program
# started from cmd.exe has no output of its own and shows its text only by attaching
# to that console. Wine hands a program that cmd starts directly cmd's own console,
# which Windows does not; `start /wait` starts it without one, as Windows does.
# script gives Wine's console a terminal (it needs an input, if only an empty one),
# and what the console draws there is compared, blanks and line breaks aside (it wraps
# at its width).
on_console() {
    (cd "$bin" && LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 \
        script -qc "$wine cmd /c start /wait electrode-calc.exe $1" /dev/null </dev/null) |
        sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d ' \r\n'
}
shown_all=1
for option in --version --help; do
    expected=$(cd "$bin" && LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$wine" electrode-calc.exe "$option" | tr -d ' \r\n')
    shown=$(on_console "$option")
    if [ -z "$shown" ] || [ "$shown" != "$expected" ]; then
        echo "FAIL: $option typed in cmd.exe showed '$shown'" >&2
        failed=$((failed + 1)) shown_all=0
    fi
done
[ $shown_all -eq 0 ] || echo "--help and --version: shown on the console they were typed in"

# Nothing read from outside the program.
"$here/paths.sh" "$bin" || failed=$((failed + 1))

# The real program on Wine's display driver: its window, its colours, and the exit
# button ending it with status 0.
(cd "$bin" && exec env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$wine" electrode-calc.exe) &
app=$!
window=$(wait_titled) || fail "the window titled Орвела did not appear"
sleep 1
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$size" = "447x408" ] || fail "the window is $size, not 447x408"
shoot_result "$window" "no result in dark red"
check 4 200 "255,255,215" "the window's pale yellow"
check 380 100 "192,255,192" "the frame's pale green"
check 340 380 "255,224,192" "the exit button's face"
xdotool mousemove --window "$window" 380 388 click 1
status=0
timeout 20 tail --pid="$app" -f /dev/null || fail "the exit button did not end the program"
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "electrode-calc.exe: 447x408, Орвела, its colours, ended by Выход with status 0"

[ "$failed" -eq 0 ] || fail "$failed Windows test runs failed"
echo "Windows tests: all passed"
