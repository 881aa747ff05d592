#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# The native program opens nothing outside its own folder and Windows' own, and writes
# nothing: started from a folder of a drive of its own under a file trace, shown, and
# ended by its exit button. It calls no registry function at all (native.sh checks its
# imports), so it reads no setting of its own. Needs WINEPREFIX and an X server.
#
#   native-paths.sh BIN-FOLDER
set -euo pipefail
bin=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
wine=${WINE:?}
: "${WINEPREFIX:?}" "${DISPLAY:?}"
. "$here/../e2e/xserver.sh"
drive=
cleanup() {
    if [ -n "${app:-}" ]; then kill "$app" 2>/dev/null || true; fi
    if [ -n "$drive" ]; then rm -f "$WINEPREFIX/dosdevices/$drive:"; fi
    rm -rf "$work"
}

for letter in d e f g h i j k l m n o p q r s t u v w x y; do
    [ -e "$WINEPREFIX/dosdevices/$letter:" ] || { drive=$letter; break; }
done
[ -n "$drive" ] || fail "no free drive letter in $WINEPREFIX"
D=${drive^^}
root="$work/drive"
mkdir -p "$root/app"
ln -s "$root" "$WINEPREFIX/dosdevices/$drive:"
cp "$bin/electrode-calc.exe" "$root/app/"
before=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)

"$wine" wineboot >/dev/null 2>&1 || true
(cd "$root/app" && exec env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 WINEDEBUG=+pid,+file \
    "$wine" "$D:\\app\\electrode-calc.exe" 2>"$work/trace") &
app=$!
window=$(wait_titled) || fail "the window did not appear from $D:\\app"
shoot_result "$window" "no result from $D:\\app"
xdotool mousemove --window "$window" 380 388 click 1
timeout 30 tail --pid="$app" -f /dev/null || fail "the exit button did not end the program"
wait "$app" || fail "the program started from $D:\\app failed"
app=
after=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the program changed its drive: $(diff <(echo "$before") <(echo "$after") | tail -n +2)"

python3 - "$work/trace" "$D" <<'PY'
import re, sys
trace, drive = sys.argv[1], sys.argv[2]
lines = open(trace, encoding="utf-8", errors="replace").read().splitlines()
image = f"{drive}:\\\\app\\\\electrode-calc.exe".lower()
pid = next((l.split(":")[0] for l in lines if image in l.lower()), None)
if pid is None:
    sys.exit("FAIL: the trace does not show the program")
touched = set()
for l in lines:
    # The file channel's lines only: others quote the program's texts (Wine's stubs).
    if not l.startswith(pid + ":") or not re.match(r"[0-9a-f]+:[0-9a-f]+:\w+:file:", l):
        continue
    for p in re.findall(r'L"((?:[^"\\]|\\.)*)"', l):
        p = p.replace("\\\\", "\\")
        for lead in ("\\??\\", "\\\\?\\", "\\\\.\\"):
            if p.startswith(lead):
                p = p[len(lead):]
        if re.match(r"[A-Za-z]:(\\|$)", p):
            touched.add(p)
        elif p.startswith("\\") and not p.startswith("\\\\"):
            touched.add(drive + ":" + p)
# The program's folder, Windows' own folders and Wine's own fonts.
allowed = [rf"{drive}:\\app(\\|$)", r"C:\\windows(\\|$)", r"Z:\\usr\\share\\(wine|fonts)(\\|$)"]
outside = sorted(p for p in touched if not any(re.match(a, p, re.I) for a in allowed))
if outside:
    print("FAIL: the program touched:", *outside, sep="\n  ", file=sys.stderr)
    sys.exit(1)
print(f"electrode-calc.exe from {drive}:\\app: {len(touched)} paths, all its own or Windows'; nothing written")
PY
