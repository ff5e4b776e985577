#include <algorithm>

#include "level_paint.hpp"

namespace baker {

std::vector<int> SolidDepth(const SolidMap& solid) {
    std::vector<int> depth(size_t(solid.width) * solid.height, -1);
    for (int x = 0; x < solid.width; ++x) {
        int runTop = -1;
        for (int y = 0; y < solid.height; ++y) {
            if (!solid.Solid(x, y)) {
                runTop = -1;
                continue;
            }
            if (runTop < 0)
                runTop = y;
            depth[size_t(y) * solid.width + x] = y - runTop;
        }
    }
    return depth;
}

const Platform* PlatformAt(const LevelLayout& level, int x, int y) {
    for (const Platform& p : level.platforms)
        if (x >= p.x0 && x < p.x1 && y >= p.top && y < p.top + p.thickness)
            return &p;
    return nullptr;
}

int SurfaceBelow(const SolidMap& solid, int x, int fromRow) {
    for (int y = std::max(0, fromRow); y < solid.height; ++y)
        if (solid.Solid(x, y))
            return y;
    return solid.height;
}

void LightMap::AddGlow(int cx, int cy, int radius, float strength) {
    for (int y = std::max(0, cy - radius); y < std::min(height, cy + radius + 1); ++y)
        for (int x = std::max(0, cx - radius); x < std::min(width, cx + radius + 1); ++x) {
            float dx = float(x - cx), dy = float(y - cy);
            float d2 = (dx * dx + dy * dy) / float(radius * radius);
            if (d2 >= 1)
                continue;
            float f = 1 - d2;
            level[size_t(y) * width + x] += strength * f * f;
        }
}

}  // namespace baker
