#include "platform/display/speed_overlay.hpp"

#include <algorithm>
#include <string>

#include "platform/core/text.hpp"

namespace platform {

void DrawSpeedOverlay(Surface& picture, int percent) {
    const RenderedText text =
        RenderText("SPEED " + std::to_string(percent) + "%", Font{FontFace::kDisplay, 20, false},
                   0xFFFFFF, Alignment::kCentre, false, 0);
    // A dark band behind the text keeps it readable over any part of a level.
    constexpr int kTop = 8, kPad = 4;
    const int bandTop = kTop - kPad,
              bandBottom = std::min(picture.height(), kTop + text.height + kPad);
    const int left = std::max(0, (picture.width() - text.width) / 2 - 2 * kPad);
    const int right = std::min(picture.width(), (picture.width() + text.width) / 2 + 2 * kPad);
    for (int y = std::max(0, bandTop); y < bandBottom; ++y) {
        uint32_t* row = picture.row(y);
        for (int x = left; x < right; ++x) row[x] = (row[x] >> 2) & 0x3F3F3F;
    }
    BlendText(picture, 0, kTop, picture.width(), text.height, text, Alignment::kCentre);
}

}  // namespace platform
