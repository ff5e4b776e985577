// Words in the pixel font, scaled up, with an optional dark rim and a chiselled lower edge.
#pragma once
#include <string>

#include "picture_sources.hpp"
#include "raster.hpp"

namespace baker {

struct TextStyle {
    int scale = 1;  // each font pixel becomes scale x scale
    uint32_t ink = 0xFFFFFF;
    int bevel = 0;  // lower and right edge of each stroke, in pixels
    uint32_t bevelInk = 0;
    int rim = 0;  // dark ring around the letters, in pixels
    uint32_t rimInk = 0;
};

// Glyphs are 5 font pixels wide with one blank font pixel between them.
int TextWidth(const std::string& text, int scale);
int TextHeight(int scale);

void DrawText(Image& image, const PixelFont& font, const std::string& text, int left, int top,
              const TextStyle& style);
void DrawTextCentred(Image& image, const PixelFont& font, const std::string& text, int centreX,
                     int top, const TextStyle& style);

}  // namespace baker
