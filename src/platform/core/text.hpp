// Drawing label text into surfaces with the system's fonts.
#pragma once
#include <string>
#include <vector>

#include "platform/core/surface.hpp"

namespace platform {

enum class FontFace {
    kUi,       // the plain user-interface font
    kDisplay,  // the large stencil display font of the end screens (bold display fallback)
};

struct Font {
    FontFace face = FontFace::kUi;
    int points = 8;
    bool bold = false;
};

enum class Alignment { kLeft, kRight, kCentre };

// Text rendered once, with its coverage in the top byte of each pixel, to be blended later.
struct RenderedText {
    int width = 0, height = 0;
    std::vector<uint32_t> argb;
};

RenderedText RenderText(const std::string& text, const Font& font, uint32_t colour,
                        Alignment alignment, bool wrap, int wrapWidth);
// Blends rendered text into the box (aligned horizontally, clipped to the box).
void BlendText(Surface& surface, int x, int y, int w, int h, const RenderedText& text,
               Alignment alignment);

// Draws `text` inside the box, wrapping at word boundaries when `wrap` is set, clipped to the
// box. Text is blended onto what the surface already holds.
void DrawText(Surface& surface, int x, int y, int w, int h, const std::string& text,
              const Font& font, uint32_t colour, Alignment alignment, bool wrap);

// The font file used for a face (for the about box and the closing notes of a build).
std::string FontFile(FontFace face, bool bold);

}  // namespace platform
