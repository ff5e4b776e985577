#!/usr/bin/env bash
# Configures the web build (the project's CMakeLists.txt with emscripten's toolchain) once;
# later builds re-run CMake by themselves when it changes. Quiet unless it fails.
#   scripts/web-configure.sh NATIVE_BUILD WEB_BUILD WEB_OUT
set -euo pipefail
# Debian's emcc needs Debian's node modules where `node` is not Debian's own.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
native=$(realpath "$1")
web_build=$2
out=$(realpath -m "$3")
mkdir -p "$web_build"
log=$web_build/configure.log
if ! emcmake cmake -S . -B "$web_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DDUNSPELT_WEB_DEPS="$native/web-deps" -DDUNSPELT_NATIVE_BUILD="$native" \
        -DDUNSPELT_WEB_OUT="$out" >"$log" 2>&1; then
    echo "dunspelt: configuring the web build failed; the last lines of $log:" >&2
    tail -n 20 "$log" >&2
    rm -f "$web_build/build.ninja"
    exit 1
fi
