# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Shared by scripts/run and scripts/test: install what is missing, then build.
# shellcheck shell=bash

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$top/build"

# Installs the Debian packages that are not installed yet: with apt-get as root,
# through sudo otherwise; without either it prints the command and stops.
need_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep 'install ok installed' >/dev/null || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local cmd=(apt-get install -y --no-install-recommends "${missing[@]}")
    # One installation at a time: CI's lanes may ask at once.
    local install=(flock /var/cache/apt/electrode-calc.lock sh -c
        'DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
         DEBIAN_FRONTEND=noninteractive "$@" -qq' install "${cmd[@]}")
    if [ "$(id -u)" -eq 0 ]; then
        "${install[@]}"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "${install[@]}"
    else
        echo "Please run as root: apt-get update && ${cmd[*]}" >&2
        exit 1
    fi
}

# Generates the named locales where they are missing and we may.
need_locales() {
    local missing=()
    for l in "$@"; do
        locale -a 2>/dev/null | grep -ix "${l/UTF-8/utf8}" >/dev/null || missing+=("$l")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null 2>&1 || { echo "Locales ${missing[*]} are missing; tests use them anyway." >&2; return 0; }
        sudo=(sudo)
    fi
    for l in "${missing[@]}"; do
        "${sudo[@]}" sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
    done
    "${sudo[@]}" locale-gen >/dev/null
}

build_packages=(cmake make g++ qt6-base-dev qt6-qpa-plugins libfontconfig-dev fonts-liberation2
    qt6-translations-l10n gzip libxcb1-dev pkg-config libwayland-dev)

# Configures when the folder has no build yet or was configured with other options,
# then builds only what changed.
build_program() {
    local dir="${1:-$build}"
    shift || true
    local options=(-DCMAKE_BUILD_TYPE=Release "$@")
    local stamp="$dir/.electrode-configure-options"
    if [ ! -f "$dir/CMakeCache.txt" ] || [ "$(cat "$stamp" 2>/dev/null)" != "${options[*]}" ]; then
        cmake -S "$top" -B "$dir" "${options[@]}" >/dev/null
        printf '%s' "${options[*]}" >"$stamp"
    fi
    local quiet=()
    [ -f "$dir/Makefile" ] && quiet=(-- --no-print-directory)
    cmake --build "$dir" -j "$(nproc)" "${quiet[@]}"
}
