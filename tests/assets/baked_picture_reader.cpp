#include "assets/baked_picture_reader.hpp"

#include <SDL.h>
#include <SDL_image.h>

namespace test_pictures {

BakedPicture ReadBakedPicture(const std::string& path) {
    BakedPicture picture;
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded)
        return picture;
    picture.bitsPerPixel = loaded->format->BitsPerPixel;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_XRGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!rgb)
        return picture;
    picture.width = rgb->w;
    picture.height = rgb->h;
    for (int y = 0; y < rgb->h; ++y) {
        auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) +
                                                      y * rgb->pitch);
        for (int x = 0; x < rgb->w; ++x) picture.pixels.push_back(row[x] & 0xFFFFFF);
    }
    SDL_FreeSurface(rgb);
    return picture;
}

}  // namespace test_pictures
