#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
#
# The web app's tests, on what `scripts/web --build-only` built:
# - the core's tests as WebAssembly under Node (the walk 200000 steps long);
# - the number conversions of the WebAssembly build against the native build's, byte
#   for byte, on texts and doubles made from a fixed seed and a new one;
# - the page in Chromium (tests/web/page.mjs), served from build-web/site.
# NUMBERS_SEED and WALK_SEED repeat a random run; NUMBERS_COUNT sets the texts and
# doubles of each seed (default 500000: a million in all). Screenshots of the page are
# left in build-web/screenshots.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/common.sh"
need_packages nodejs chromium fonts-liberation2 g++ python3 cmake ninja-build
command -v npm >/dev/null || need_packages npm

wbuild="$top/build-web"
wasm="$wbuild/wasm/bin"
if [ ! -f "$wbuild/site/index.html" ] || [ ! -f "$wbuild/wasm/build.ninja" ]; then
    echo "No site in $wbuild: run scripts/web --build-only first" >&2
    exit 1
fi
# The tests' own modules, where the site was built before they were.
out=$(cmake --build "$wbuild/wasm" 2>&1) || { echo "$out" >&2; exit 1; }
(cd "$here" && npm ci --prefer-offline --no-audit --no-fund --loglevel=error >/dev/null)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
verdict() { # status, what
    if [ "$1" -eq 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $2" >&2
    fi
}
wasi() { node "$here/command.mjs" "$@"; }

echo "== the core's tests as WebAssembly"
for test in tst_form tst_walk; do
    status=0
    out=$(WALK_STEPS=200000 wasi "$wasm/$test.wasm") || status=$?
    [ $status -eq 0 ] || grep '^FAIL' <<<"$out" | head -n 20 >&2
    echo "$test.wasm: $(tail -n 1 <<<"$out")"
    verdict $status "$test.wasm"
done

echo "== the numbers: WebAssembly against the native build ($SECONDS s)"
flags=(-std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -I"$top")
g++ "${flags[@]}" "$here/numbers_diff.cpp" "$top/calc/mass.cpp" "$top/calc/numbers.cpp" \
    -o "$work/numbers_diff" &
g++ "${flags[@]}" "$here/readdouble_diff.cpp" -o "$work/readdouble_diff"
wait $!
count=${NUMBERS_COUNT:-500000}
for seed in 20261209 "${NUMBERS_SEED:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}"; do
    for program in numbers_diff readdouble_diff; do
        "$work/$program" "$seed" "$count" >"$work/native" 2>/dev/null &
        status=0
        wasi "$wasm/$program.wasm" "$seed" "$count" >"$work/wasm" 2>/dev/null || status=$?
        wait $! || status=$?
        lines=$(wc -l <"$work/native")
        if [ $status -eq 0 ] && [ "$lines" -ge "$count" ] && cmp -s "$work/native" "$work/wasm"; then
            echo "$program, seed $seed: $lines lines, identical"
        else
            status=1
            echo "$program, seed $seed: $lines lines, the first that differ (native, then WebAssembly):"
            diff "$work/native" "$work/wasm" | grep '^[<>]' | head -n 4 | cut -c1-300
        fi
        verdict $status "$program with seed $seed (NUMBERS_SEED=$seed repeats it)"
    done
done
rm -f "$work/native" "$work/wasm"

echo "== the page in Chromium ($SECONDS s)"
status=0
node "$here/page.mjs" "$wbuild/site" "$wasm" "$wbuild/screenshots" || status=$?
verdict $status "the page"

echo "the web tests took $SECONDS s"
echo "web: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
