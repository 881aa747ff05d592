#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Installs a Debian package of the calculator with apt, as a user would, and starts the
# installed program: apt must find every library the package depends on, in this
# Debian release. The package is removed again at the end; what it pulled in stays.
#   tests/e2e/installed.sh build-package/electrode-calc_1.0.0_amd64.deb
set -euo pipefail
deb=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/common.sh"
need_packages xvfb xauth xdotool imagemagick locales
need_locales ru_RU.UTF-8
. "$here/xserver.sh"
[ "$(id -u)" -eq 0 ] || fail "installing a package needs root"
removed() { DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq electrode-calc >/dev/null 2>&1 || true; }
trap 'removed; cleanup' EXIT
echo "== apt install $(basename "$deb") on Debian $(cat /etc/debian_version)"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt could not install the package"; }
[ "$(command -v electrode-calc)" = /usr/bin/electrode-calc ] || fail "no electrode-calc on PATH"
start_x
check_program_window /usr/bin/electrode-calc
echo "1 passed, 0 failed"
