#!/usr/bin/env bash
# The compiler launcher when ccache is installed (CMakeLists.txt). Precompiled headers are made
# here, not by ccache: GCC's are not the same twice, and one restored from the cache in another
# clone crashes GCC 12. Beside each goes X.gch.sum, a checksum of its command and of every
# header it read (with this clone's folder taken out), which ccache hashes instead of the .gch
# (pch_external_checksum), so that the files using it are found in the cache.
#   scripts/compile-launcher.sh BASE_DIR COMPILER ARG...
set -euo pipefail
base=$1
shift
export CCACHE_BASEDIR=$base CCACHE_SLOPPINESS=pch_defines,time_macros CCACHE_PCH_EXTSUM=true
header=false out= depfile=
for ((i = 1; i < $#; i++)); do
    j=$((i + 1))
    case ${!i} in
        -x) [ "${!j}" = c++-header ] && header=true ;;
        -o) out=${!j} ;;
        -MF) depfile=${!j} ;;
    esac
done
$header && [ -n "$out" ] && [ -n "$depfile" ] || exec ccache "$@"
"$@"
{
    printf '%s\n' "${@//$base/}"
    sed -e '1s/^[^:]*://' -e 's/\\$//' "$depfile" | tr ' ' '\n' | grep . |
        while read -r header_file; do sed "s|$base||g" "$header_file"; done
} | sha256sum >"$out.sum"
