# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# shellcheck shell=bash
# desktop-file-validate of Debian 12 predates SingleMainWindow (Desktop Entry
# Specification 1.5); that one key is taken, every other finding fails.
validate_desktop() {
    local out
    out=$(desktop-file-validate "$1" 2>&1 | grep -v 'contains key "SingleMainWindow"' || true)
    [ -z "$out" ] || { echo "$out" >&2; return 1; }
}
