#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Random walks through the native program's running window under Wine, one new window
# per seed, each checked against the window's logic alone after every step: to repeat
# a seed that failed, or to try many.
#
#   walks.sh BIN-FOLDER x86|x64 STEPS SEED...
set -euo pipefail
bin=$(realpath "$1")
arch=$2
steps=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/common.sh"
. "$here/../e2e/xserver.sh"
. "$here/wine.sh"
wine_install "$arch"
wine_programs "$arch"
start_x 1280x1024
export WINEPREFIX=$work/wine-$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_prefix
run() { (cd "$bin" && env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 timeout 600 "$wine" "$@" | tr -d '\r'); }
passed=0 failed=0
for seed in "$@"; do
    (cd "$bin" && exec env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$wine" electrode-calc.exe) &
    app=$!
    window=$(wait_titled) || fail "the window titled Орвела did not appear"
    wait_until 30 run probe.exe agree >/dev/null || fail "the window did not show its start values"
    if out=$(run probe.exe walk "$seed" "$steps"); then
        passed=$((passed + 1))
        echo "seed $seed: passed"
    else
        failed=$((failed + 1))
        echo "the walk with seed $seed failed:" >&2
        grep '^FAIL' <<<"$out" | head -n 5 >&2
    fi
    xdotool mousemove --window "$window" 380 388 click 1
    timeout 30 tail --pid="$app" -f /dev/null || fail "the exit button did not end the program"
    wait "$app" || true
    app=
done
echo "walks of $steps steps through the window ($arch, $("$wine" --version)): $passed passed, $failed failed"
[ "$failed" -eq 0 ]
