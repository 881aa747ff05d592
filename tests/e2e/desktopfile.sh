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

# appstreamcli validate, AppStream 0.16 (Debian 12) or 1.0 (Debian 13): no error and no
# warning but the missing homepage (the project has no web site yet); 1.0 fails the
# file for that warning, 0.16 does not. Findings of the info and pedantic kinds are
# taken: 0.16 does not know the developer element yet, which 1.0 requires.
validate_metainfo() {
    local out status=0 bad
    out=$(appstreamcli validate --no-net --no-color "$1" 2>&1) || status=$?
    bad=$(grep -E '^[EW]: ' <<<"$out" | grep -v ': url-homepage-missing$' || true)
    if [ -n "$bad" ] || { [ "$status" -ne 0 ] && ! grep -q ': url-homepage-missing$' <<<"$out"; }; then
        echo "$out" >&2
        return 1
    fi
}
