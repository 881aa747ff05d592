#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# --help and --version answer with no display at all, in the user's language, and
# exit 0; Qt's own options and unknown arguments open the window as always; without a
# display the program says so in the user's language and exits 1.
set -euo pipefail
program="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

out=$(run "$program" --version) || fail "--version exited $?"
[ "$out" = "electrode-calc 1.0.0" ] || fail "--version printed '$out'"
out=$(run "$program" -v) || fail "-v exited $?"
[ "$out" = "electrode-calc 1.0.0" ] || fail "-v printed '$out'"

help=$(run "$program" --help) || fail "--help exited $?"
case "${LC_ALL:-${LC_MESSAGES:-${LANG:-C}}}" in
ru_*) expect="Использование: electrode-calc" ;;
*) expect="Usage: electrode-calc" ;;
esac
case "$help" in "$expect"*) ;; *) fail "--help printed '$help'" ;; esac
grep -q -- "--version" <<<"$help" || fail "--help does not name --version"
out=$(run "$program" -h) || fail "-h exited $?"
[ "$out" = "$help" ] || fail "-h and --help differ"
# Every other argument opens the window: it prints nothing and keeps running (on the
# offscreen platform, which needs no display).
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'QLineEdit { color: blue; }\n' >"$work/style.qss"
while IFS='|' read -r name args; do
    # shellcheck disable=SC2086
    QT_QPA_PLATFORM=offscreen "$program" $args >"$work/out" 2>"$work/err" &
    pid=$!
    sleep 1.5
    kill -0 "$pid" 2>/dev/null || fail "$name: the program ended: $(cat "$work/out" "$work/err")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    [ ! -s "$work/out" ] || fail "$name printed '$(cat "$work/out")'"
done <<EOF
reverse|-reverse
style|-style Fusion
platform|-platform offscreen
stylesheet|-stylesheet $work/style.qss
window geometry|-qwindowgeometry 100x100+10+10
platform theme|-platformtheme none
visual|-visual
unknown option|--frobnicate
unknown word|seam.txt
EOF

# No display: a message in the user's language, status 1, no core dump.
status=0
err=$(run "$program" 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "without a display the program exited $status"
case "$expect" in
Использование*) message="Не найден дисплей" ;;
*) message="No display" ;;
esac
case "$err" in "$message"*) ;; *) fail "without a display it printed '$err'" ;; esac
echo "1 passed, 0 failed"
