# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Shared by the end-to-end tests and the start-up benchmark: an X server of their own,
# the calculator's window on it, and clean-up on exit.
# shellcheck shell=bash

work=$(mktemp -d)
cleanup() {
    local pid
    for pid in ${app:-} ${bus:-} ${xvfb:-}; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb with a screen of the given size (default 800x600) and exports DISPLAY.
# An X server resets when its last client leaves, and refuses connections while it
# does: a test that ends its program and starts the next one at once would meet it
# resetting. This one never resets.
start_x() {
    Xvfb -displayfd 3 -noreset -screen 0 "${1:-800x600}x24" -nolisten tcp 3>"$work/display" \
        2>/dev/null &
    xvfb=$!
    wait_until 60 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
}

# Waits for the calculator's window to be shown and prints its id.
wait_window() {
    timeout 20 xdotool search --sync --onlyvisible --class electrode-calc | head -n 1
}

# Waits up to 30 s for the window titled Орвела and prints its id: under Wine, whose
# windows do not carry the program's class.
wait_titled() {
    local window
    for _ in $(seq 60); do
        window=$(xdotool search --onlyvisible --name '^Орвела$' 2>/dev/null | head -n 1 || true)
        if [ -n "$window" ]; then echo "$window"; return 0; fi
        sleep 0.5
    done
    return 1
}

# Starts the program in Russian on that server (VAR=value words may come first), waits
# for its window, checks its title and photographs it into $work/shot.png. Sets app
# and window.
shoot_window() {
    env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=xcb "$@" &
    app=$!
    window=$(wait_window) || fail "the window did not appear"
    [ "$(xdotool getwindowname "$window")" = "Орвела" ] || fail "the title is not Орвела"
    shoot_drawn "$window" || fail "the window was not drawn within 60 s"
}

# Runs the command until it succeeds, for at most the given seconds: a bound generous
# enough for a machine that another build loads.
wait_until() { # seconds, command...
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# Whether the window is drawn: its photograph shows the pale yellow, and is the same as
# the one before (kept in $work/shot.png, its pixels' signature in $work/shot.sum).
drawn() { # window
    import -window "$1" "$work/shot.png" 2>/dev/null || return 1
    local now histogram
    now=$(identify -format '%#' "$work/shot.png")
    [ "$now" = "$(cat "$work/shot.sum" 2>/dev/null)" ] || { echo "$now" >"$work/shot.sum"; return 1; }
    # Read whole before it is searched (see shoot_result).
    histogram=$(convert "$work/shot.png" -format %c histogram:info:-)
    grep -qi '#FFFFD7' <<<"$histogram"
}

# Photographs the window into $work/shot.png once it is drawn.
shoot_drawn() { # window
    rm -f "$work/shot.sum"
    wait_until 60 drawn "$1"
}

# The colour of the photograph's pixel at x, y as "r,g,b".
pixel() { convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info: | sed 's/srgba\?(\([0-9]*,[0-9]*,[0-9]*\).*/\1/'; }

# Fails unless the pixel at x, y is the colour "r,g,b"; the last word names it.
check() {
    local got
    got=$(pixel "$1" "$2")
    [ "$got" = "$3" ] || fail "$4 at ($1,$2) is ($got), not ($3)"
}

# Photographs the window into $work/shot.png once its result shows (dark red, or a
# smoothed shade of it close by), waiting at most 10 s for the first drawing of the
# text; otherwise fails with the words given.
shoot_result() { # window, failure
    for _ in $(seq 20); do
        import -window "$1" "$work/shot.png"
        # Read whole before it is searched: grep -q stops reading at the first match,
        # and under pipefail the writer's broken pipe would fail the search.
        local colours
        colours=$(convert "$work/shot.png" -crop 185x23+185+377 -fuzz 12% -fill '#800000' \
            -opaque '#800000' -unique-colors txt:-)
        grep -q '#800000' <<<"$colours" && return 0
        sleep 0.5
    done
    fail "$2"
}

# Starts the given program file on that server and checks that it is the window that
# shows: the right size, and the result of the start values in dark red.
check_program_window() { # program
    shoot_window "$1"
    [ "$(readlink "/proc/$app/exe")" = "$1" ] || fail "the window is not that of $1"
    [ "$(identify -format '%wx%h' "$work/shot.png")" = "447x408" ] || fail "the window is not 447x408"
    shoot_result "$window" "no result is shown"
}
