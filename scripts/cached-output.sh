#!/usr/bin/env bash
# Runs a build step that fills OUT_DIR, or copies what it wrote from an earlier run with the same
# inputs: ~/.cache/dunspelt/NAME-<hash of the inputs' contents>/, so that a fresh clone does not
# bake or encode anew what an earlier clone already made. Inputs are files or folders (every
# file below, with its relative name); the step's command line is not hashed (it holds paths).
#   scripts/cached-output.sh NAME OUT_DIR INPUT... -- COMMAND [ARG...]
set -euo pipefail
name=$1 out=$2
shift 2
inputs=()
while [ "$1" != -- ]; do inputs+=("$1"); shift; done
shift
hash_inputs() {
    sha256sum <"$0"  # this script: a change in how steps are cached starts anew
    for input in "${inputs[@]}"; do
        if [ -d "$input" ]; then
            (cd "$input" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
        else
            sha256sum <"$input"
        fi
    done
}
key=$(hash_inputs | sha256sum | cut -c1-24)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/dunspelt/$name-$key
if [ -d "$cache" ]; then
    rm -rf "$out" && mkdir -p "$(dirname "$out")" && cp -r "$cache" "$out"
    touch "$cache"
    exit 0
fi
"$@"
# Filled under a temporary name and renamed, so that a cache folder is never seen half-written.
# The three newest entries of a step stay (a few branches side by side), older ones go.
mkdir -p "$(dirname "$cache")"
rm -rf "$cache.$$" && cp -r "$out" "$cache.$$"
mv -T "$cache.$$" "$cache" 2>/dev/null || rm -rf "$cache.$$"
touch "$cache"
ls -dt "${cache%-*}"-* | grep -v '\.[0-9]*$' | tail -n +4 | xargs -r rm -rf
