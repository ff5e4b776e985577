// Full-screen and window art: intro pictures, screen backgrounds and the window icon.
#pragma once
#include "picture_sources.hpp"
#include "raster.hpp"

namespace baker {

struct ScreenSources {
    PixelFont font;
    ColourSets colours;
    Palette palette;
    PixelGrid emblem;  // the makers' spelt ear, also the icon
};

Image PaintLogo(const ScreenSources& sources);               // 800 x 600
Image PaintTitle(const ScreenSources& sources);              // 800 x 600
Image PaintMenuBackground(const ScreenSources& sources);     // 800 x 600
Image PaintOptionsBackground(const ScreenSources& sources);  // 464 x 326

// 32 x 32; pixels the emblem leaves empty are `transparent`.
Image PaintIcon(const ScreenSources& sources, uint32_t transparent);

}  // namespace baker
