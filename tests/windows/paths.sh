#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# The Windows programs read nothing from outside themselves: no build-machine path is
# in them, and the program started from a folder of another drive, with a qt.conf
# beside it and logging rules and Russian toolkit texts planted where the toolkit's
# configured prefix would find them, touches no file outside its folder and Windows'
# own, opens none of the planted files, and still shows the toolkit's texts from its
# own resources. Needs WINEPREFIX and an X server (run.sh sets them up).
#
#   paths.sh BIN-FOLDER
set -euo pipefail
bin=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
wine=${WINE:-$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)}
: "${WINEPREFIX:?}" "${DISPLAY:?}"
. "$here/../e2e/xserver.sh"
drive=
cleanup() {
    if [ -n "${app:-}" ]; then kill "$app" 2>/dev/null || true; fi
    if [ -n "$drive" ]; then rm -f "$WINEPREFIX/dosdevices/$drive:"; fi
    rm -rf "$work"
}

# No path of the build machine in the program: the checkout, the build folder, the
# toolkit's cache, the home folder. (The tests keep their build folder, to find their
# data.) Every program and test carries the qt.conf that moves the toolkit's paths
# into its resources.
cache=${ELECTRODE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/electrode-calc}
found=$(strings -a "$bin/electrode-calc.exe" |
    grep -F -e "$top" -e "$(dirname "$bin")" -e "$cache" -e "$HOME/" | head -n 3 || true)
[ -z "$found" ] || fail "electrode-calc.exe holds build-machine paths: $found"
for exe in "$bin"/*.exe; do
    grep -aq '^Prefix=:/qt' "$exe" || fail "$(basename "$exe") carries no qt.conf of its own"
done
echo "electrode-calc.exe: no build-machine path; every program with its own qt.conf"

# A drive of its own for the program's folder, D: or the next free letter.
for letter in d e f g h i j k l m n o p q r s t u v w x y; do
    [ -e "$WINEPREFIX/dosdevices/$letter:" ] || { drive=$letter; break; }
done
[ -n "$drive" ] || fail "no free drive letter in $WINEPREFIX"
root="$work/drive"
D=${drive^^}
mkdir -p "$root/app" "$root/electrode-calc-qt/translations" "$root/planted/translations"
ln -s "$root" "$WINEPREFIX/dosdevices/$drive:"
cp "$bin/electrode-calc.exe" "$bin/tst_keys.exe" "$root/app/"

# What a local user could plant: logging rules that turn on every debug message, and
# Russian toolkit texts with other words, under the configured prefix (a folder of the
# drive's root) and under a prefix that a qt.conf or qt6.conf beside the program names.
python3 - "$root" "$D" <<'PY'
import sys
root, drive = sys.argv[1], sys.argv[2]
qm = open("/usr/share/qt6/translations/qtbase_ru.qm", "rb").read()
real, planted = "&Копировать".encode("utf-16-be"), "&Подложено!".encode("utf-16-be")
assert len(real) == len(planted) and real in qm
for prefix in ("electrode-calc-qt", "planted"):
    open(f"{root}/{prefix}/qtlogging.ini", "w").write("[Rules]\n*.debug=true\n")
    open(f"{root}/{prefix}/translations/qtbase_ru.qm", "wb").write(qm.replace(real, planted))
for name in ("qt.conf", "qt6.conf"):
    open(f"{root}/app/{name}", "w").write(f"[Paths]\nPrefix={drive}:/planted\n")
PY

# Runs the arguments from the program's folder in Russian, with the toolkit's messages
# on the standard error, each marked with its type (Wine hands a QT_ variable on only
# under a WINE prefix).
run() {
    (cd "$root/app" && exec env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 WINEQT_FORCE_STDERR_LOGGING=1 \
        WINEQT_MESSAGE_PATTERN='electrode-%{type}: %{category}: %{message}' "$@")
}

# The program with a file trace of every process; the program's own process is the
# one that opens its image first.
"$wine" wineboot >/dev/null 2>&1 || true
WINEDEBUG=+pid,+file run "$wine" "$D:\\app\\electrode-calc.exe" 2>"$work/trace" &
app=$!
window=$(wait_titled) || fail "the window did not appear from $D:\\app"
sleep 1
xdotool mousemove --window "$window" 380 388 click 1
timeout 20 tail --pid="$app" -f /dev/null || fail "the exit button did not end the program"
wait "$app" || fail "the program started from $D:\\app failed"
app=

python3 - "$work/trace" "$D" <<'PY' || exit 1
import re, sys
trace, drive = sys.argv[1], sys.argv[2]
lines = open(trace, encoding="utf-8", errors="replace").read().splitlines()
image = f"{drive}:\\\\app\\\\electrode-calc.exe".lower()
pid = next((l.split(":")[0] for l in lines if image in l.lower()), None)
if pid is None:
    sys.exit("FAIL: the trace does not show the program")
touched = set()
for l in lines:
    if not l.startswith(pid + ":"):
        continue
    for p in re.findall(r'L"((?:[^"\\]|\\.)*)"', l):
        p = p.replace("\\\\", "\\")
        for lead in ("\\??\\", "\\\\?\\", "\\\\.\\"):
            if p.startswith(lead):
                p = p[len(lead):]
        if re.match(r"[A-Za-z]:(\\|$)", p):
            touched.add(p)
        elif p.startswith("\\") and not p.startswith("\\\\"):
            touched.add(drive + ":" + p)  # drive-relative: the current drive's
# The program's folder, Windows' own folders, Wine's own fonts, and the
# toolkit's per-user and machine-wide logging rules, which no qt.conf moves.
allowed = [
    rf"{drive}:\\app(\\|$)", r"C:\\windows(\\|$)",
    r"C:\\users\\[^\\]+\\AppData\\Local\\QtProject\\qtlogging\.ini$",
    r"C:\\ProgramData\\QtProject\\qtlogging\.ini$",
    r"Z:\\usr\\share\\(wine|fonts)(\\|$)",
]
outside = sorted(p for p in touched if not any(re.match(a, p, re.I) for a in allowed))
planted = sorted(p for p in touched if re.search(r"\\(qt6?\.conf|electrode-calc-qt|planted)(\\|$)", p, re.I))
if outside or planted:
    print("FAIL: the program touched:", *sorted(set(outside + planted)), sep="\n  ", file=sys.stderr)
    sys.exit(1)
print(f"electrode-calc.exe from {drive}:\\app: {len(touched)} paths, all its own or Windows'")
PY
# The planted rules would print the toolkit's debug messages among the trace's lines.
! grep -aq '^electrode-debug: ' "$work/trace" || fail "the planted logging rules took effect"

# The toolkit's Russian texts come from the program itself, not from the planted ones.
status=0
WINEDEBUG=-all run timeout 300 "$wine" tst_keys.exe toolkitTextsInRussian -o keys.txt,txt 2>/dev/null || status=$?
tr -d '\r' <"$root/app/keys.txt" | grep -q '^PASS   : TstKeys::toolkitTextsInRussian()' || {
    grep -a -A4 '^FAIL\|^SKIP' "$root/app/keys.txt" >&2 || true
    fail "the toolkit's Russian texts did not come from the program (status $status)"
}
echo "toolkit texts: the built-in Russian ones; the planted qt.conf, logging rules and texts: unread"
