#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# --help and --version answer with no display at all, in the user's language, and
# exit 0; Qt's own options and unknown arguments open the window as always; where the
# window cannot be opened, the program says why and exits 1.
set -euo pipefail
program="$1"
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
# Every other argument opens the window and prints nothing: on an X server of its own,
# the window shows and the program runs on.
. "$(dirname "$0")/xserver.sh"
start_x
printf 'QLineEdit { color: blue; }\n' >"$work/style.qss"
while IFS='|' read -r name args; do
    # shellcheck disable=SC2086
    QT_QPA_PLATFORM=xcb "$program" $args >"$work/out" 2>"$work/err" &
    app=$!
    wait_window >/dev/null || fail "$name: no window: $(cat "$work/out" "$work/err")"
    kill -0 "$app" 2>/dev/null || fail "$name: the program ended: $(cat "$work/out" "$work/err")"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    [ ! -s "$work/out" ] || fail "$name printed '$(cat "$work/out")'"
done <<EOF
reverse|-reverse
style|-style Fusion
platform|-platform xcb
stylesheet|-stylesheet $work/style.qss
window geometry|-qwindowgeometry 100x100+10+10
platform theme|-platformtheme none
visual|-visual
unknown option|--frobnicate
unknown word|seam.txt
EOF

# The window cannot be opened: status 1, no core dump, and a message in the user's
# language. Only where no display was there to reach does it say so, and nothing else;
# every other failure passes the toolkit's own diagnostic on (here: a word it must
# name), then says that the window could not be opened.
case "$expect" in
Использование*) no_display="Не найден дисплей, на котором можно открыть окно программы."
    not_opened="Окно программы открыть не удалось." ;;
*) no_display="No display found to open the program's window on."
    not_opened="The program's window could not be opened." ;;
esac
mkdir -m 700 "$work/runtime" # no compositor's socket in it
while IFS='|' read -r name settings args shown; do
    status=0
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u QT_DEBUG_PLUGINS \
        XDG_RUNTIME_DIR="$work/runtime" $settings "$program" $args >"$work/out" 2>"$work/err" ||
        status=$?
    [ "$status" -eq 1 ] || fail "$name: the program exited $status: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "$name printed '$(cat "$work/out")' on standard output"
    last=$(tail -n 1 "$work/err")
    if [ "$shown" = "no display" ]; then
        [ "$(cat "$work/err")" = "$no_display" ] || fail "$name: it printed '$(cat "$work/err")'"
    else
        [ "$last" = "$not_opened" ] || fail "$name: its last line is '$last'"
        # Read whole before it is searched: under pipefail, grep -q stopping at the first
        # match would fail the pipe it reads from.
        diagnostic=$(head -n -1 "$work/err")
        grep -qF -- "$shown" <<<"$diagnostic" ||
            fail "$name: the toolkit's diagnostic does not name '$shown': $(cat "$work/err")"
    fi
done <<EOF
no display|||no display
no display, X11 asked for||-platform xcb|no display
no display, Wayland asked for|QT_QPA_PLATFORM=wayland;xcb||no display
a platform that does not exist, a display named|DISPLAY=:7351|-platform bogus|bogus
a platform that does not exist, no display||-platform bogus|bogus
an X display that does not answer|DISPLAY=:7351||:7351
a Wayland socket that does not exist|QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$work/runtime/none||wayland
the toolkit's plugin trace|QT_DEBUG_PLUGINS=1|-platform bogus|qt.core.plugin
EOF
echo "1 passed, 0 failed"
