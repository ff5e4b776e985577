#!/usr/bin/env bash
# Builds the libraries the web build links (SDL2, FreeType, HarfBuzz, SDL2_ttf, SDL2_image,
# SDL2_mixer, inih) with emscripten from Debian's source packages, into a cache outside the
# build folder that is keyed by their versions: only the first build on a machine pays (about
# half an hour on two cores). Emscripten's own "ports" are not used: they download at build
# time.
#
#   scripts/web-deps.sh [--link PATH]   builds what is missing; PATH becomes a link to the prefix
#   scripts/web-deps.sh --prefix        prints the prefix the libraries go to, builds nothing
#
# apt-get fetches the sources through a source list and a state folder of our own, passed as
# options, so the machine's apt configuration stays as it was. One line per library as it
# starts and ends; the tools' output goes to a log whose tail is shown only on failure.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/web-deps-recipes.sh
source "$here/web-deps-recipes.sh"

# Bump when a recipe's options change, so every machine builds the libraries anew.
recipe_version=2
# Debian source package, the name shown, the build function in web-deps-recipes.sh, and the
# Debian release whose source is taken: Debian 12's, except inih's, whose Debian 12 source
# files the package mirrors no longer all keep (its reader is the same for our settings).
libraries=("libsdl2 SDL2 build_sdl2 bookworm"
           "freetype FreeType build_freetype bookworm"
           "harfbuzz HarfBuzz build_harfbuzz bookworm"
           "libsdl2-ttf SDL2_ttf build_sdl2_ttf bookworm"
           "libsdl2-image SDL2_image build_sdl2_image bookworm"
           "libsdl2-mixer SDL2_mixer build_sdl2_mixer bookworm"
           "libinih inih build_inih trixie")

cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/dunspelt/web-deps
apt_dir=$cache_root/apt
# Debian's emcc runs its JavaScript tools with `node`; where that node is not Debian's own it
# does not look in Debian's module folder by itself.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

mode=build link=
case "${1:-}" in
    --prefix) mode=prefix ;;
    --link) link=${2:?--link needs a path} ;;
    "") ;;
    *) echo "usage: $0 [--prefix | --link PATH]" >&2; exit 2 ;;
esac

sudo_cmd() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_emscripten() {
    dpkg-query -W -f='${Status}' emscripten 2>/dev/null | grep -q "install ok installed" && return
    mkdir -p "$cache_root"
    echo "Installing Debian's emscripten (log: $cache_root/emscripten-install.log)"
    if ! { sudo_cmd apt-get update && sudo_cmd env DEBIAN_FRONTEND=noninteractive \
               apt-get install -y emscripten; } >"$cache_root/emscripten-install.log" 2>&1; then
        echo "dunspelt: installing emscripten failed; the last lines of the log:" >&2
        tail -n 20 "$cache_root/emscripten-install.log" >&2
        exit 1
    fi
}

# The mirrors the machine's own apt uses (Debian's by default), for our deb-src lines.
write_source_list() {
    local suite=$1 dir=$2 uris main security
    uris=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
               2>/dev/null | grep -v '^[[:space:]]*#' | grep -oE 'https?://[^] ]+' || true)
    main=$(grep -v 'debian-security' <<<"$uris" | grep -m1 '/debian/\?$' || true)
    security=$(grep -m1 'debian-security' <<<"$uris" || true)
    main=${main:-http://deb.debian.org/debian}
    security=${security:-http://deb.debian.org/debian-security}
    local signed="[signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]"
    mkdir -p "$dir/etc/sources.list.d" "$dir/state/lists/partial" "$dir/cache/archives/partial"
    cat >"$dir/etc/sources.list" <<EOF
deb-src $signed ${main%/} $suite main
deb-src $signed ${main%/} $suite-updates main
deb-src $signed ${security%/} $suite-security main
EOF
}

# apt's options for one Debian release's sources, in a folder of our own.
apt_options() {
    local dir=$apt_dir/$1
    echo "-o Dir::Etc::SourceList=$dir/etc/sources.list -o Dir::Etc::SourceParts=$dir/etc/sources.list.d"
    echo "-o Dir::State=$dir/state -o Dir::Cache=$dir/cache -o APT::Sandbox::User=root"
}

# A release's source lists are fetched once; the versions in them name the cache folder.
ensure_lists() {
    local suite=$1 dir=$apt_dir/$1
    [ -n "$(ls -A "$dir/state/lists" 2>/dev/null | grep -v partial)" ] && return
    write_source_list "$suite" "$dir"
    mkdir -p "$cache_root"
    # shellcheck disable=SC2046
    if ! apt-get $(apt_options "$suite") update >"$cache_root/apt-update.log" 2>&1; then
        echo "dunspelt: fetching Debian's source lists failed; the last lines of the log:" >&2
        tail -n 20 "$cache_root/apt-update.log" >&2
        exit 1
    fi
}

# The newest version of a source package in a release's lists.
source_version() {
    # shellcheck disable=SC2046
    apt-cache $(apt_options "$2") showsrc --only-source "$1" 2>/dev/null |
        sed -n 's/^Version: //p' | sort -V | tail -n 1
}

format_time() {
    local s=$1
    if [ "$s" -ge 60 ]; then printf '%dm%02ds' $((s / 60)) $((s % 60)); else printf '%ds' "$s"; fi
}

ensure_emscripten
emcc_version=$(dpkg-query -W -f='${Version}' emscripten)
versions="emscripten=$emcc_version recipe=$recipe_version"
for entry in "${libraries[@]}"; do
    read -r package _ _ suite <<<"$entry"
    ensure_lists "$suite"
    version=$(source_version "$package" "$suite")
    [ -n "$version" ] || { echo "dunspelt: Debian has no source package $package" >&2; exit 1; }
    versions+=" $package=$version"
done
key=emcc-${emcc_version%%~*}-$(sha256sum <<<"$versions" | cut -c1-12)
prefix=$cache_root/$key
if [ "$mode" = prefix ]; then
    echo "$prefix"
    exit 0
fi

log=$prefix/build.log
mkdir -p "$prefix/stamps"
# One build at a time per cache: a second work tree waits for the first to finish.
exec 9>"$prefix/lock"
if ! flock -n 9; then
    echo "Waiting for another build of the web libraries into $prefix ..."
    flock 9
fi
echo "$versions" | tr ' ' '\n' >"$prefix/versions.txt"
count=${#libraries[@]} index=0 started_all=$SECONDS announced=
for entry in "${libraries[@]}"; do
    read -r package name build suite <<<"$entry"
    index=$((index + 1))
    [ -e "$prefix/stamps/$package" ] && continue
    if [ -z "$announced" ]; then
        echo "Building the web libraries once for this machine into $prefix (log: $log)"
        announced=1
    fi
    version=$(source_version "$package" "$suite")
    upstream=${version%%+*}
    upstream=${upstream%-*}
    printf '[%d/%d] %s %s ... ' "$index" "$count" "$name" "$upstream"
    started=$SECONDS
    work=$prefix/work/$package
    rm -rf "$work" && mkdir -p "$work"
    echo "== $name $version" >>"$log"
    # shellcheck disable=SC2046
    if ! (cd "$work" && apt-get $(apt_options "$suite") source -q "$package=$version" &&
          source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1) &&
          "$build" "$source_dir" "$prefix") >>"$log" 2>&1; then
        echo "failed after $(format_time $((SECONDS - started)))"
        echo "dunspelt: building $name for the web failed; the last lines of $log:" >&2
        tail -n 30 "$log" >&2
        exit 1
    fi
    rm -rf "$work"
    touch "$prefix/stamps/$package"
    echo "done in $(format_time $((SECONDS - started)))"
done
[ -n "$announced" ] && echo "Web libraries ready in $(format_time $((SECONDS - started_all)))."
if [ -n "$link" ]; then
    mkdir -p "$(dirname "$link")"
    ln -sfn "$prefix" "$link"
fi
