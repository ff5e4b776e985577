# How each web library is built (sourced by web-deps.sh). Each function takes the unpacked
# Debian source folder and the install prefix; all are static, single-threaded builds.

# Configures, builds and installs a CMake project with emscripten's toolchain. The toolchain
# file hides other prefixes from CMake's find, so the prefix is added to its root path.
emcmake_install() {
    local source=$1 prefix=$2
    shift 2
    emcmake cmake -S "$source" -B "$source/web-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" \
        -DCMAKE_PREFIX_PATH="$prefix" -DBUILD_SHARED_LIBS=OFF "$@"
    cmake --build "$source/web-build" -j "$(nproc)"
    cmake --install "$source/web-build"
}

# The window surface is drawn to a 2D canvas, so no WebGL is needed at run time.
build_sdl2() {
    emcmake_install "$1" "$2" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF
}

# Only what drawing TrueType text needs: no compressed or colour fonts, no shaping.
build_freetype() {
    emcmake_install "$1" "$2" -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
        -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}

# Text shaping, as Debian's SDL2_ttf does it: its kerning comes from the fonts' GPOS tables,
# which FreeType alone does not read, so without it "LT" or "Wa" would sit a pixel apart.
build_harfbuzz() {
    emcmake_install "$1" "$2" -DHB_HAVE_FREETYPE=ON -DHB_BUILD_SUBSET=OFF -DHB_BUILD_UTILS=OFF \
        -DHB_HAVE_GLIB=OFF -DHB_HAVE_ICU=OFF -DHB_HAVE_GRAPHITE2=OFF -DHB_HAVE_GOBJECT=OFF \
        -DFREETYPE_LIBRARY="$2/lib/libfreetype.a" \
        -DFREETYPE_INCLUDE_DIR_ft2build="$2/include/freetype2" \
        -DFREETYPE_INCLUDE_DIR_freetype2="$2/include/freetype2"
}

build_sdl2_ttf() {
    emcmake_install "$1" "$2" -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=ON \
        -DSDL2TTF_SAMPLES=OFF -DSDL2_DIR="$2/lib/cmake/SDL2" \
        -DFREETYPE_LIBRARY="$2/lib/libfreetype.a" -DFREETYPE_INCLUDE_DIRS="$2/include/freetype2" \
        -Dharfbuzz_LIBRARY="$2/lib/libharfbuzz.a" -Dharfbuzz_INCLUDE_PATH="$2/include/harfbuzz"
}

# PNG through the built-in stb decoder; BMP is SDL's own. Every other format is left out.
build_sdl2_image() {
    local off=() format
    for format in AVIF GIF JPG JXL LBM PCX PNM QOI SVG TGA TIF WEBP XCF XPM XV; do
        off+=("-DSDL2IMAGE_$format=OFF")
    done
    emcmake_install "$1" "$2" -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_SAMPLES=OFF \
        -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_PNG=ON \
        -DSDL2IMAGE_BMP=ON "${off[@]}" -DSDL2_DIR="$2/lib/cmake/SDL2"
}

# WAV, and Ogg Vorbis through the built-in stb_vorbis decoder; no other codec.
build_sdl2_mixer() {
    emcmake_install "$1" "$2" -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF \
        -DSDL2MIXER_DEPS_SHARED=OFF -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF \
        -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF \
        -DSDL2MIXER_VORBIS=STB -DSDL2MIXER_WAVE=ON -DSDL2_DIR="$2/lib/cmake/SDL2"
}

# One C file. Debian builds it with the defaults that ini.h sets, as here, so settings files
# read the same as in the native game.
build_inih() {
    local source=$1 prefix=$2
    mkdir -p "$prefix/lib" "$prefix/include"
    emcc -O2 -c "$source/ini.c" -o "$source/ini.o"
    emar rcs "$prefix/lib/libinih.a" "$source/ini.o"
    install -m 644 "$source/ini.h" "$prefix/include/ini.h"
}
