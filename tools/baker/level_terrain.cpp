#include "level_terrain.hpp"

#include <algorithm>

namespace baker {

SolidMap BuildSolidMap(const LevelLayout& level) {
    SolidMap map{level.width, level.height,
                 std::vector<uint8_t>(size_t(level.width) * level.height, 0)};
    auto fill = [&](int x, int y0, int y1) {
        for (int y = std::max(0, y0); y < std::min(map.height, y1); ++y)
            map.cells[size_t(y) * map.width + x] = 1;
    };
    for (int x = 0; x < map.width; ++x) {
        int top = GroundTop(level, x);
        if (top >= 0)
            fill(x, top, map.height);
    }
    for (const Platform& p : level.platforms)
        for (int x = std::max(0, p.x0); x < std::min(map.width, p.x1); ++x)
            fill(x, p.top, p.top + p.thickness);
    return map;
}

Image MaskImage(const SolidMap& solid) {
    Image mask(solid.width, solid.height, 0xFFFFFF);
    for (size_t i = 0; i < solid.cells.size(); ++i)
        if (solid.cells[i])
            mask.pixels[i] = 0x000000;
    return mask;
}

}  // namespace baker
