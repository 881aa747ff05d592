#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# --help and --version answer with no display at all, in the user's language, and
# exit 0.
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
echo "1 passed, 0 failed"
