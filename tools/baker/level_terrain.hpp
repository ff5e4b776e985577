// The solid shape of a level, one flag per map pixel: what the mask file holds.
#pragma once
#include <cstdint>
#include <vector>

#include "level_layout.hpp"
#include "raster.hpp"

namespace baker {

struct SolidMap {
    int width = 0, height = 0;
    std::vector<uint8_t> cells;  // 1 = solid, row by row

    // Outside the map counts as solid, as the game's own grid queries treat it.
    bool Solid(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return true;
        return cells[size_t(y) * width + x] != 0;
    }
};

SolidMap BuildSolidMap(const LevelLayout& level);
// Black (0,0,0) where solid, white elsewhere.
Image MaskImage(const SolidMap& solid);

}  // namespace baker
