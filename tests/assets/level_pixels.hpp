// Loads a baked level picture (map or mask) as plain 0x00RRGGBB pixels for the asset tests.
#pragma once
#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <string>
#include <vector>

namespace dunspelt_test {

struct LevelPixels {
    int width = 0, height = 0;
    std::vector<uint32_t> rgb;

    uint32_t At(int x, int y) const { return rgb[size_t(y) * width + x]; }
    // The game's rule for masks: only pure black is solid.
    bool Black(int x, int y) const { return At(x, y) == 0; }
};

// Empty (width 0) when the file cannot be read.
inline LevelPixels LoadLevelPixels(const std::string& path) {
    LevelPixels out;
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded)
        return out;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_XRGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!rgb)
        return out;
    out.width = rgb->w;
    out.height = rgb->h;
    out.rgb.resize(size_t(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) +
                                                      size_t(y) * rgb->pitch);
        for (int x = 0; x < out.width; ++x) out.rgb[size_t(y) * out.width + x] = row[x] & 0xFFFFFF;
    }
    SDL_FreeSurface(rgb);
    return out;
}

}  // namespace dunspelt_test
