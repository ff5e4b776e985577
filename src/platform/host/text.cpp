#include "platform/core/text.hpp"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>

namespace platform {
namespace {

// The condensed cut: the screens were laid out for a compact desktop font.
const char* const kUiRegular[] = {"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf",
                                  "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"};
const char* const kUiBold[] = {"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
                               "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};
const char* const kDisplay[] = {"/usr/share/fonts/opentype/allerta/allerta_stencil.otf",
                                "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};

template <size_t N>
std::string FirstExisting(const char* const (&candidates)[N]) {
    std::error_code ec;
    for (const char* path : candidates)
        if (std::filesystem::exists(path, ec))
            return path;
    return candidates[0];
}

// The fonts stay open for the whole process and are closed when it ends, so that nothing of
// them is left behind (the leak checker of the sanitizer builds counts them otherwise).
struct FontCache {
    std::map<std::tuple<int, int, bool>, TTF_Font*> fonts;
    ~FontCache() {
        for (auto& entry : fonts)
            if (entry.second)
                TTF_CloseFont(entry.second);
        if (TTF_WasInit())
            TTF_Quit();
    }
};

TTF_Font* OpenFont(const Font& font) {
    static FontCache cache;
    if (!TTF_WasInit() && TTF_Init() != 0)
        return nullptr;
    auto key = std::make_tuple(int(font.face), font.points, font.bold);
    auto it = cache.fonts.find(key);
    if (it != cache.fonts.end())
        return it->second;
    // Point sizes are meant at the desktop's 96 dots per inch.
    TTF_Font* f = TTF_OpenFontDPI(FontFile(font.face, font.bold).c_str(), font.points, 96, 96);
    cache.fonts[key] = f;
    return f;
}

}  // namespace

std::string FontFile(FontFace face, bool bold) {
    if (face == FontFace::kDisplay)
        return FirstExisting(kDisplay);
    return bold ? FirstExisting(kUiBold) : FirstExisting(kUiRegular);
}

RenderedText RenderText(const std::string& text, const Font& font, uint32_t colour,
                        Alignment alignment, bool wrap, int wrapWidth) {
    RenderedText out;
    if (text.empty())
        return out;
    TTF_Font* f = OpenFont(font);
    if (!f)
        return out;
    SDL_Color c{uint8_t(colour >> 16), uint8_t(colour >> 8), uint8_t(colour), 255};
    TTF_SetFontWrappedAlign(f, alignment == Alignment::kCentre  ? TTF_WRAPPED_ALIGN_CENTER
                               : alignment == Alignment::kRight ? TTF_WRAPPED_ALIGN_RIGHT
                                                                : TTF_WRAPPED_ALIGN_LEFT);
    SDL_Surface* rendered =
        wrap ? TTF_RenderUTF8_Blended_Wrapped(f, text.c_str(), c, uint32_t(std::max(1, wrapWidth)))
             : TTF_RenderUTF8_Blended(f, text.c_str(), c);
    if (!rendered)
        return out;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!argb)
        return out;
    out.width = argb->w;
    out.height = argb->h;
    out.argb.resize(size_t(argb->w) * size_t(argb->h));
    for (int y = 0; y < argb->h; ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(argb->pixels) +
                                                            y * argb->pitch);
        std::copy(src, src + argb->w, out.argb.begin() + long(y) * argb->w);
    }
    SDL_FreeSurface(argb);
    return out;
}

void BlendText(Surface& surface, int x, int y, int w, int h, const RenderedText& text,
               Alignment alignment) {
    int ox = x;
    if (alignment == Alignment::kCentre)
        ox = x + (w - text.width) / 2;
    if (alignment == Alignment::kRight)
        ox = x + w - text.width;
    for (int ty = 0; ty < text.height && ty < h; ++ty) {
        int sy = y + ty;
        if (sy < 0 || sy >= surface.height())
            continue;
        const uint32_t* src = text.argb.data() + size_t(ty) * size_t(text.width);
        for (int tx = 0; tx < text.width; ++tx) {
            int sx = ox + tx;
            if (sx < x || sx >= x + w || sx < 0 || sx >= surface.width())
                continue;
            uint32_t a = src[tx] >> 24;
            if (a == 0)
                continue;
            uint32_t d = surface.At(sx, sy), s = src[tx];
            auto mix = [&](int shift) {
                uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
                return ((sc * a + dc * (255 - a)) / 255) << shift;
            };
            surface.Set(sx, sy, mix(16) | mix(8) | mix(0));
        }
    }
}

void DrawText(Surface& surface, int x, int y, int w, int h, const std::string& text,
              const Font& font, uint32_t colour, Alignment alignment, bool wrap) {
    if (w <= 0 || h <= 0)
        return;
    BlendText(surface, x, y, w, h, RenderText(text, font, colour, alignment, wrap, w), alignment);
}

}  // namespace platform
