#include "platform/display/pause_overlay.hpp"

#include "platform/core/text.hpp"

namespace platform {

void DrawPauseOverlay(Surface& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        uint32_t* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) row[x] = (row[x] >> 1) & 0x7F7F7F;
    }
    static const RenderedText text = RenderText("PAUSED", Font{FontFace::kDisplay, 48, false},
                                                0xFFFFFF, Alignment::kCentre, false, 0);
    const int top = (picture.height() - text.height) / 2;
    BlendText(picture, 0, top, picture.width(), text.height, text, Alignment::kCentre);
}

}  // namespace platform
