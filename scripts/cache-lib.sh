# Sourced by the build steps that keep their results in ~/.cache/dunspelt/ for later clones
# (cached-output.sh, cached-link.sh).
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/dunspelt

# Every file below the folder $1, with its name relative to it, hashed.
hash_tree() {
    (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}

# Puts the filled folder $1 in place as the cache entry $2 (renamed, so that an entry is never
# seen half-written) and keeps the step's three newest entries (a few branches side by side).
commit_cache() {
    mv -T "$1" "$2" 2>/dev/null || rm -rf "$1"
    touch "$2"
    ls -dt "${2%-*}"-* | grep -v '\.[0-9]*$' | tail -n +4 | xargs -r rm -rf
}
