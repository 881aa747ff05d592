# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# shellcheck shell=bash
# desktop-file-validate 0.26, Debian 12's, does not know the SingleMainWindow key yet,
# which newer desktops read; that one key is taken, every other finding fails.
validate_desktop() {
    local out
    out=$(desktop-file-validate "$1" 2>&1 | grep -v 'contains key "SingleMainWindow"' || true)
    [ -z "$out" ] || { echo "$out" >&2; return 1; }
}
