#!/usr/bin/env bash
# Installs the Debian packages the game, its tests, its tools and its package need, if any is
# missing. Quiet: one line before, one after; apt-get's output goes to the log file given as
# the first argument (default build/deps.log) and its last lines are shown only on failure.
set -euo pipefail
log=${1:-build/deps.log}
packages=(cmake ninja-build g++ pkg-config ccache
          libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev libinih-dev libx11-dev
          libvorbis-dev
          fonts-dejavu-core fonts-allerta libgtest-dev libbenchmark-dev
          xvfb xauth xdotool x11-utils imagemagick python3 libxtst6
          dpkg-dev file lintian desktop-file-utils appstream man-db
          chromium firefox-esr)
if ! command -v dpkg-query >/dev/null; then
    echo "dunspelt: not a Debian system: install the equivalents of scripts/ensure-deps.sh's list yourself"
    exit 0
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "dunspelt: missing packages; as root run:" >&2
        echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi

mkdir -p "$(dirname "$log")"
echo "Installing ${#missing[@]} Debian packages: ${missing[*]} (log: $log)"
if ! { "${sudo[@]}" apt-get update &&
       "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
           apt-get install -y "${missing[@]}"; } >"$log" 2>&1; then
    echo "dunspelt: installing the packages failed; the last lines of $log:" >&2
    tail -n 20 "$log" >&2
    exit 1
fi
echo "Installed the packages."
