#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# The programs that scripts/windows built, tested under Debian 13's Wine 10: both
# architectures in one visit to a Debian 13 system, each whatever the other did.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
for arch in x64 x86; do
    [ -f "$top/build-windows/$arch/bin/electrode-calc.exe" ] ||
        { echo "wine10.sh: no $arch program; run scripts/windows --build-only first" >&2; exit 1; }
done
exec "$top/scripts/in-debian" 13 bash -c 'status=0
    tests/windows/native.sh /src/build-windows/x64/bin x64 || status=1
    tests/windows/native.sh /src/build-windows/x86/bin x86 || status=1
    exit $status'
