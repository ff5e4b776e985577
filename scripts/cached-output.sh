#!/usr/bin/env bash
# Runs a build step that fills OUT_DIR, or copies what it wrote from an earlier run with the same
# inputs: ~/.cache/dunspelt/NAME-<hash of the inputs' contents>/, so that a fresh clone does not
# bake or encode anew what an earlier clone already made. Inputs are files or folders (every
# file below, with its relative name); the step's command line is not hashed (it holds paths).
#   scripts/cached-output.sh NAME OUT_DIR INPUT... -- COMMAND [ARG...]
set -euo pipefail
source "$(dirname "$0")/cache-lib.sh"
name=$1 out=$2
shift 2
inputs=()
while [ "$1" != -- ]; do inputs+=("$1"); shift; done
shift
hash_inputs() {
    sha256sum <"$0"  # this script: a change in how steps are cached starts anew
    for input in "${inputs[@]}"; do
        if [ -d "$input" ]; then
            hash_tree "$input"
        else
            sha256sum <"$input"
        fi
    done
}
key=$(hash_inputs | sha256sum | cut -c1-24)
cache=$cache_root/$name-$key
if [ -d "$cache" ]; then
    rm -rf "$out" && mkdir -p "$(dirname "$out")" && cp -r "$cache" "$out"
    touch "$cache"
    exit 0
fi
"$@"
mkdir -p "$(dirname "$cache")"
rm -rf "$cache.$$" && cp -r "$out" "$cache.$$"
commit_cache "$cache.$$" "$cache"
