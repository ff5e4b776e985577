#!/usr/bin/env bash
# The web game's linker launcher: runs the link command it is given, or copies the result of an
# earlier link with the same inputs from ~/.cache/dunspelt/web-link-<hash>/. The link (the
# whole-program optimiser, the data package) takes a minute or more on two cores, and a fresh
# clone links the same objects (ccache), libraries and data as the last one.
#   scripts/cached-link.sh SOURCE_DIR LINK_COMMAND...
set -euo pipefail
source "$(dirname "$0")/cache-lib.sh"
source_dir=$1
shift
out=
for ((i = 1; i < $#; i++)); do [ "${!i}" = -o ] && { j=$((i + 1)); out=${!j}; }; done
# The command line without the clone's folder, and the contents of every file or folder it
# names (objects, libraries, the script library, the data: `--preload-file FROM@TO`).
hash_link() {
    sha256sum <"$0"
    "$1" --version
    for arg in "$@"; do
        printf '%s\n' "${arg//$source_dir/}"
        path=${arg%%@*}
        if [ -f "$path" ]; then
            sha256sum <"$path"
        elif [ -d "$path" ]; then
            hash_tree "$path"
        fi
    done
}
[ -n "$out" ] || exec "$@"
cache=$cache_root/web-link-$(hash_link "$@" | sha256sum | cut -c1-24)
stem=${out%.*}
if [ -d "$cache" ]; then
    cp "$cache"/* "$(dirname "$out")/"
    touch "$cache" "$out"
    exit 0
fi
"$@"
# Everything the link wrote beside its output (the .js, .wasm and .data).
mkdir -p "$cache.$$"
cp "$stem".* "$cache.$$/"
commit_cache "$cache.$$" "$cache"
