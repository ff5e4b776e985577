// Painting a level's map picture from its layout and solid shape, one painter per theme.
#pragma once
#include <vector>

#include "level_layout.hpp"
#include "level_palette.hpp"
#include "level_terrain.hpp"
#include "raster.hpp"

namespace baker {

Image PaintSwamp(const LevelLayout& level, const SolidMap& solid);
Image PaintCaves(const LevelLayout& level, const SolidMap& solid);

// Shared helpers for the painters.

// For every pixel, how far below the top of its solid run it lies (-1 where free).
std::vector<int> SolidDepth(const SolidMap& solid);
// The platform covering pixel (x, y), or nullptr.
const Platform* PlatformAt(const LevelLayout& level, int x, int y);
// Top row of the first solid run at or below `fromRow` in column x, or the map height.
int SurfaceBelow(const SolidMap& solid, int x, int fromRow);

// Paints every solid pixel of the map: with platform(p, x, y) where a platform covers it,
// else with ground(x, y, depth), depth counted from the top of its solid run.
template <typename PaintPlatform, typename PaintGround>
void PaintSolidPixels(Image& map, const LevelLayout& level, const SolidMap& solid,
                      PaintPlatform platform, PaintGround ground) {
    const std::vector<int> depth = SolidDepth(solid);
    for (int y = 0; y < map.height; ++y)
        for (int x = 0; x < map.width; ++x) {
            const int d = depth[size_t(y) * map.width + x];
            if (d < 0)
                continue;
            if (const Platform* p = PlatformAt(level, x, y))
                platform(*p, x, y);
            else
                ground(x, y, d);
        }
}

// Calls paint(x, y) for each pixel of the map inside the rectangle.
template <typename Paint>
void ForRect(Image& image, int x0, int y0, int x1, int y1, Paint paint) {
    for (int y = std::max(0, y0); y < std::min(image.height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(image.width, x1); ++x) paint(x, y);
}

// Additive light, for glows: a soft disc of `strength` fading to nothing at `radius`.
struct LightMap {
    int width, height;
    std::vector<float> level;
    LightMap(int w, int h) : width(w), height(h), level(size_t(w) * h, 0.0f) {}
    float At(int x, int y) const { return level[size_t(y) * width + x]; }
    void AddGlow(int cx, int cy, int radius, float strength);
};

}  // namespace baker
