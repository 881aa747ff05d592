#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# The start-up benchmark's timer on the real program and on the floor window: each run
# reports a map time, a later first drawing and a plausible peak memory.
set -euo pipefail
export LC_ALL=C
timer="$1"
shift
. "$(dirname "$0")/xserver.sh"
start_x
for program in "$@"; do
    # A second try where the first gives no measurement; the timer says why.
    measured=
    for _ in 1 2; do
        if measured=$("$timer" --settle 100 "$program" 2>"$work/timer.err"); then break; fi
        echo "no measurement of $program: $(cat "$work/timer.err")" >&2
        measured=
    done
    [ -n "$measured" ] || fail "no measurement of $program"
    read -r mapped drawn rss <<<"$measured"
    awk -v m="$mapped" -v d="$drawn" -v r="$rss" 'BEGIN { exit !(m > 0 && d >= m && m < 20000 && r > 4096) }' ||
        fail "$program: implausible measurement: $mapped $drawn $rss"
done
echo "1 passed, 0 failed"
