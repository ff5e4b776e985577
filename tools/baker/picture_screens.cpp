#include "picture_screens.hpp"

#include "picture_text.hpp"

namespace baker {
namespace {

TextStyle Chiselled(const ScreenSources& sources, const char* ink, const char* bevelInk, int scale,
                    int bevel) {
    TextStyle style;
    style.scale = scale;
    style.ink = sources.colours.at(ink).front();
    style.bevel = bevel;
    style.bevelInk = sources.colours.at(bevelInk).front();
    return style;
}

void DrawEmblem(Image& image, const ScreenSources& sources, int left, int top, int scale) {
    const PixelGrid& grid = sources.emblem;
    for (int y = 0; y < grid.height * scale; ++y)
        for (int x = 0; x < grid.width * scale; ++x) {
            char c = grid.rows[y / scale][x / scale];
            if (c != kTransparent)
                image.at(left + x, top + y) = sources.palette.at(c);
        }
}

}  // namespace

Image PaintLogo(const ScreenSources& s) {
    Image image(800, 600, 0);
    constexpr int kScale = 6;
    DrawEmblem(image, s, 400 - s.emblem.width * kScale / 2, 110, kScale);
    DrawTextCentred(image, s.font, "DUNSPELT TEAM", 400, 340,
                    Chiselled(s, "mark", "mark_bevel", 5, 1));
    DrawTextCentred(image, s.font, "PRESENTS", 400, 420, Chiselled(s, "mark", "mark_bevel", 2, 0));
    return image;
}

Image PaintTitle(const ScreenSources& s) {
    Image image(800, 600, 0);
    DrawTextCentred(image, s.font, "DUNSPELT", 400, 210,
                    Chiselled(s, "title", "title_bevel", 12, 2));
    DrawTextCentred(image, s.font, "2007", 400, 340, Chiselled(s, "title", "title_bevel", 6, 1));
    return image;
}

Image PaintMenuBackground(const ScreenSources& s) {
    Image image(800, 600, 0);  // the buttons sit on plain black below y 120
    DrawTextCentred(image, s.font, "DUNSPELT", 400, 32, Chiselled(s, "title", "title_bevel", 8, 2));
    return image;
}

Image PaintOptionsBackground(const ScreenSources& s) {
    // The buttons sit on plain black below y 96, and the image holders cover the band from
    // y 56 and both top corners, so the word stays above y 56 in the middle.
    Image image(464, 326, 0);
    DrawTextCentred(image, s.font, "SOUND", 232, 12, Chiselled(s, "title", "title_bevel", 5, 1));
    return image;
}

Image PaintIcon(const ScreenSources& s, uint32_t transparent) {
    Image image(32, 32, transparent);
    DrawEmblem(image, s, (32 - s.emblem.width) / 2, (32 - s.emblem.height) / 2, 1);
    return image;
}

}  // namespace baker
