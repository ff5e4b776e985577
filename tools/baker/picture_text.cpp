#include "picture_text.hpp"

#include <stdexcept>
#include <vector>

namespace baker {

int TextWidth(const std::string& text, int scale) {
    return text.empty() ? 0 : (int(text.size()) * (kGlyphWidth + 1) - 1) * scale;
}

int TextHeight(int scale) {
    return kGlyphHeight * scale;
}

namespace {

// The scaled ink of the whole text, one flag per pixel.
struct InkMap {
    int width, height;
    std::vector<bool> ink;
    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && ink[size_t(y) * width + x];
    }
};

InkMap Rasterise(const PixelFont& font, const std::string& text, int scale) {
    InkMap map{TextWidth(text, scale), TextHeight(scale), {}};
    map.ink.assign(size_t(map.width) * map.height, false);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ')
            continue;
        auto glyph = font.find(text[i]);
        if (glyph == font.end())
            throw std::runtime_error(std::string("no glyph for ") + text[i]);
        const int left = int(i) * (kGlyphWidth + 1) * scale;
        for (int y = 0; y < map.height; ++y)
            for (int x = 0; x < kGlyphWidth * scale; ++x)
                if (glyph->second[y / scale][x / scale] == 'X')
                    map.ink[size_t(y) * map.width + left + x] = true;
    }
    return map;
}

void Plot(Image& image, int x, int y, uint32_t colour) {
    if (x >= 0 && y >= 0 && x < image.width && y < image.height)
        image.at(x, y) = colour;
}

}  // namespace

void DrawText(Image& image, const PixelFont& font, const std::string& text, int left, int top,
              const TextStyle& style) {
    const InkMap map = Rasterise(font, text, style.scale);
    const int r = style.rim;
    for (int y = -r; y < map.height + r; ++y)
        for (int x = -r; x < map.width + r; ++x) {
            if (map.at(x, y)) {
                bool edge = false;
                for (int b = 1; b <= style.bevel; ++b)
                    edge = edge || !map.at(x + b, y) || !map.at(x, y + b);
                Plot(image, left + x, top + y, edge ? style.bevelInk : style.ink);
                continue;
            }
            bool nearInk = false;
            for (int dy = -r; dy <= r && !nearInk; ++dy)
                for (int dx = -r; dx <= r && !nearInk; ++dx) nearInk = map.at(x + dx, y + dy);
            if (nearInk)
                Plot(image, left + x, top + y, style.rimInk);
        }
}

void DrawTextCentred(Image& image, const PixelFont& font, const std::string& text, int centreX,
                     int top, const TextStyle& style) {
    DrawText(image, font, text, centreX - TextWidth(text, style.scale) / 2, top, style);
}

}  // namespace baker
