// The collision-grid cache file (".DAT"): little-endian i16 width, i16 height, then one i16 per
// cell, x fastest, -1 solid and 0 free; exactly 4 + 2 x width x height bytes.
#pragma once
#include <cstdint>
#include <string>

#include "platform/core/checked.hpp"

namespace game {

// The exact file length for a grid of this size.
constexpr int64_t GridCacheLength(int64_t width, int64_t height) {
    return 4 + 2 * width * height;
}

// Reads the file into GridWidth, GridHeight and SolidGrid only if its length matches its
// header, both dimensions are positive and equal the expected ones. Returns whether it did;
// on false the grid is untouched. The header is checked before anything is allocated.
bool ReadGridCache(const std::string& path, platform::i16 expectedWidth,
                   platform::i16 expectedHeight);

// Writes the current grid to a temporary file beside `path` and renames it over `path` once
// complete. On any failure the temporary file is removed and false returned.
bool WriteGridCache(const std::string& path);

}  // namespace game
