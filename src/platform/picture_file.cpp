#include "platform/picture_file.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/runtime_error.hpp"

namespace platform {

std::shared_ptr<Surface> LoadPicture(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        Raise(kErrFileNotFound, path);
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded)
        Raise(kErrInvalidPicture, path);
    auto picture = std::make_shared<Surface>();
    if (loaded->format->format == SDL_PIXELFORMAT_INDEX8 && loaded->format->palette) {
        // Palette pictures (the levels) convert in one pass, straight into our pixels.
        uint32_t colours[256] = {};
        const SDL_Palette* palette = loaded->format->palette;
        for (int i = 0; i < palette->ncolors && i < 256; ++i)
            colours[i] = Rgb(palette->colors[i].r, palette->colors[i].g, palette->colors[i].b);
        picture->ResetForWriting(loaded->w, loaded->h);
        for (int y = 0; y < loaded->h; ++y) {
            const auto* src =
                static_cast<const uint8_t*>(loaded->pixels) + size_t(y) * size_t(loaded->pitch);
            uint32_t* dst = picture->row(y);
            for (int x = 0; x < loaded->w; ++x) dst[x] = colours[src[x]];
        }
        SDL_FreeSurface(loaded);
        return picture;
    }
    SDL_Surface* rgb = loaded->format->format == SDL_PIXELFORMAT_XRGB8888
                           ? loaded
                           : SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_XRGB8888, 0);
    if (!rgb) {
        SDL_FreeSurface(loaded);
        Raise(kErrInvalidPicture, path);
    }
    picture->ResetForWriting(rgb->w, rgb->h);
    for (int y = 0; y < rgb->h; ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(rgb->pixels) + size_t(y) * size_t(rgb->pitch));
        uint32_t* dst = picture->row(y);
        for (int x = 0; x < rgb->w; ++x) dst[x] = src[x] & 0x00FFFFFF;
    }
    if (rgb != loaded)
        SDL_FreeSurface(rgb);
    SDL_FreeSurface(loaded);
    return picture;
}

bool SavePng(const Surface& surface, const std::string& path) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(surface.data()), surface.width(), surface.height(), 32,
        surface.width() * 4, SDL_PIXELFORMAT_XRGB8888);
    if (!s)
        return false;
    const std::string temp = path + ".part";
    bool ok = IMG_SavePNG(s, temp.c_str()) == 0;
    SDL_FreeSurface(s);
    std::error_code ec;
    if (ok)
        std::filesystem::rename(temp, path, ec);
    if (!ok || ec)
        std::filesystem::remove(temp, ec);
    return ok && !ec;
}

}  // namespace platform
