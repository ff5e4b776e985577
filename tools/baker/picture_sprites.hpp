// Sprites and their masks, painted from pixel grids.
#pragma once
#include "picture_sources.hpp"
#include "raster.hpp"

namespace baker {

// Mask: white where the sprite is see-through, black where opaque, grey where it blends.
struct Sprite {
    Image picture, mask;
};

inline constexpr uint32_t kMaskClear = 0xFFFFFF;
inline constexpr uint32_t kMaskOpaque = 0x000000;
inline constexpr uint32_t kMaskBlend = 0x808080;

// Opaque wherever the grid has a colour, plus a one-pixel ring in the grid's outline colour;
// the mask is strictly black and white.
Sprite PaintSprite(const PixelGrid& grid, const Palette& palette);

// Softens the figure's edge: the pixels just outside it get a grey mask and a dark sprite, so
// the draw (mask AND, then sprite OR) keeps only the background's top bit there, a half shadow.
void AddSoftEdge(Sprite& sprite);

Sprite Mirrored(const Sprite& sprite);

}  // namespace baker
