#include "platform/core/picture_file.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/core/runtime_error.hpp"

namespace platform {

namespace {

uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Uncompressed 8-bit palette BMPs (the level pictures, 6 MB and more) are read row by row
// straight into the picture: the general loader would first build a full-size copy of its
// own, and on a fresh process touching that memory costs more than reading the file.
// Returns nullptr for anything else, which then goes to the general loader.
std::shared_ptr<Surface> LoadPaletteBmp(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    if (!file)
        return nullptr;
    uint8_t header[54];
    if (std::fread(header, 1, sizeof header, file.get()) != sizeof header || header[0] != 'B' ||
        header[1] != 'M')
        return nullptr;
    const uint32_t dataOffset = Le32(header + 10), infoSize = Le32(header + 14);
    const int32_t width = int32_t(Le32(header + 18)), rawHeight = int32_t(Le32(header + 22));
    const uint16_t planes = uint16_t(header[26] | header[27] << 8);
    const uint16_t bits = uint16_t(header[28] | header[29] << 8);
    const uint32_t compression = Le32(header + 30);
    uint32_t colours = Le32(header + 46);
    if (infoSize < 40 || planes != 1 || bits != 8 || compression != 0 || width <= 0 ||
        width > 65535 || rawHeight == 0 || rawHeight < -65535 || rawHeight > 65535)
        return nullptr;
    if (colours == 0 || colours > 256)
        colours = 256;
    uint8_t palette[256 * 4] = {};
    if (std::fseek(file.get(), long(14 + infoSize), SEEK_SET) != 0 ||
        std::fread(palette, 4, colours, file.get()) != colours)
        return nullptr;
    uint32_t lookup[256] = {};
    for (uint32_t i = 0; i < colours; ++i)
        lookup[i] = Rgb(palette[4 * i + 2], palette[4 * i + 1], palette[4 * i]);
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const size_t stride = (size_t(width) + 3) & ~size_t(3);
    if (std::fseek(file.get(), long(dataOffset), SEEK_SET) != 0)
        return nullptr;
    auto picture = std::make_shared<Surface>();
    picture->ResetForWriting(width, height);
    std::vector<uint8_t> row(stride);
    for (int i = 0; i < height; ++i) {
        if (std::fread(row.data(), 1, stride, file.get()) != stride)
            return nullptr;  // truncated: let the general loader judge it
        uint32_t* dst = picture->row(rawHeight < 0 ? i : height - 1 - i);
        for (int x = 0; x < width; ++x) dst[x] = lookup[row[size_t(x)]];
    }
    return picture;
}

uint32_t Be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

}  // namespace

std::optional<PictureSize> ReadPictureSize(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    uint8_t header[26] = {};
    if (!file || std::fread(header, 1, sizeof header, file.get()) != sizeof header)
        return std::nullopt;
    int64_t width = 0, height = 0;
    static constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (header[0] == 'B' && header[1] == 'M' && Le32(header + 14) >= 40) {
        width = int32_t(Le32(header + 18));
        height = int32_t(Le32(header + 22));
        height = height < 0 ? -height : height;
    } else if (std::memcmp(header, kPngSignature, 8) == 0 &&
               std::memcmp(header + 12, "IHDR", 4) == 0) {
        width = Be32(header + 16);
        height = Be32(header + 20);
    }
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
        return std::nullopt;
    return PictureSize{int(width), int(height)};
}

std::shared_ptr<Surface> LoadPicture(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        Raise(kErrFileNotFound, path);
    if (auto picture = LoadPaletteBmp(path))
        return picture;
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
