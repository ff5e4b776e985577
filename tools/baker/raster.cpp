#include "raster.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

namespace baker {

void Image::FillRect(int x, int y, int w, int h, uint32_t colour) {
    for (int yy = std::max(0, y); yy < std::min(height, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(width, x + w); ++xx) at(xx, yy) = colour;
}

Image Image::MirroredHorizontally() const {
    Image out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.at(width - 1 - x, y) = at(x, y);
    return out;
}

namespace {

void Fail(const std::string& what, const std::string& path) {
    throw std::runtime_error(what + ": " + path + ": " + SDL_GetError());
}

}  // namespace

void SaveBmp24(const Image& image, const std::string& path) {
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 24, SDL_PIXELFORMAT_BGR24);
    if (!s) Fail("cannot create surface", path);
    for (int y = 0; y < image.height; ++y) {
        auto* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < image.width; ++x) {
            uint32_t c = image.at(x, y);
            row[x * 3 + 0] = uint8_t(c);  // BGR24 is blue first in memory, as in the file
            row[x * 3 + 1] = uint8_t(c >> 8);
            row[x * 3 + 2] = uint8_t(c >> 16);
        }
    }
    int rc = SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    if (rc != 0) Fail("cannot write", path);
}

void SaveBmp8(const Image& image, const std::string& path) {
    // Colours in order of first appearance. Level pictures are long runs of one colour, so the
    // last colour's index is kept at hand.
    std::map<uint32_t, uint8_t> index;
    std::vector<SDL_Color> palette;
    uint32_t last = 0;
    uint8_t lastIndex = 0;
    auto indexOf = [&](uint32_t c) {
        if (c == last && !palette.empty()) return lastIndex;
        auto it = index.find(c);
        if (it == index.end()) {
            if (palette.size() == 256) throw std::runtime_error("more than 256 colours: " + path);
            it = index.emplace(c, uint8_t(palette.size())).first;
            palette.push_back(SDL_Color{uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), 255});
        }
        last = c;
        lastIndex = it->second;
        return lastIndex;
    };
    for (uint32_t c : image.pixels) indexOf(c);
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 8, SDL_PIXELFORMAT_INDEX8);
    if (!s) Fail("cannot create surface", path);
    palette.resize(256, SDL_Color{0, 0, 0, 255});
    SDL_SetPaletteColors(s->format->palette, palette.data(), 0, 256);
    for (int y = 0; y < image.height; ++y) {
        auto* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < image.width; ++x) row[x] = indexOf(image.at(x, y));
    }
    int rc = SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    if (rc != 0) Fail("cannot write", path);
}

void SavePng(const Image& image, const std::string& path) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 32,
                                                    SDL_PIXELFORMAT_XRGB8888);
    if (!s) Fail("cannot create surface", path);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < image.width; ++x) row[x] = image.at(x, y);
    }
    int rc = IMG_SavePNG(s, path.c_str());
    SDL_FreeSurface(s);
    if (rc != 0) Fail("cannot write", path);
}

namespace {

void Put16(std::ofstream& f, uint16_t v) {
    char b[2] = {char(v & 0xFF), char(v >> 8)};
    f.write(b, 2);
}
void Put32(std::ofstream& f, uint32_t v) {
    Put16(f, uint16_t(v & 0xFFFF));
    Put16(f, uint16_t(v >> 16));
}

}  // namespace

void SaveIco16(const Image& image, uint32_t transparent, const std::string& path) {
    if (image.width != 32 || image.height != 32) throw std::runtime_error("icon not 32x32: " + path);
    std::map<uint32_t, uint8_t> index;
    std::vector<uint32_t> palette;
    for (uint32_t c : image.pixels) {
        if (c == transparent || index.count(c)) continue;
        if (palette.size() == 16) throw std::runtime_error("icon has over 16 colours: " + path);
        index[c] = uint8_t(palette.size());
        palette.push_back(c);
    }
    palette.resize(16, 0);
    const uint32_t xorBytes = 32 * 32 / 2, andBytes = 32 * 4;
    const uint32_t dibSize = 40 + 16 * 4 + xorBytes + andBytes;
    std::ofstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error("cannot write: " + path);
    Put16(f, 0);
    Put16(f, 1);
    Put16(f, 1);  // ICONDIR: one image
    f.put(32);
    f.put(32);
    f.put(16);
    f.put(0);
    Put16(f, 1);
    Put16(f, 4);
    Put32(f, dibSize);
    Put32(f, 6 + 16);
    Put32(f, 40);  // BITMAPINFOHEADER
    Put32(f, 32);
    Put32(f, 64);  // doubled height: XOR + AND masks
    Put16(f, 1);
    Put16(f, 4);
    Put32(f, 0);
    Put32(f, xorBytes + andBytes);
    Put32(f, 0);
    Put32(f, 0);
    Put32(f, 16);
    Put32(f, 0);
    for (uint32_t c : palette) Put32(f, c & 0xFFFFFF);  // BGRA in little-endian = 0x00RRGGBB
    for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; x += 2) {
            auto idx = [&](int xx) {
                uint32_t c = image.at(xx, y);
                return c == transparent ? 0 : index[c];
            };
            f.put(char((idx(x) << 4) | idx(x + 1)));
        }
    for (int y = 31; y >= 0; --y)
        for (int b = 0; b < 4; ++b) {
            uint8_t bits = 0;
            for (int i = 0; i < 8; ++i)
                if (image.at(b * 8 + i, y) == transparent) bits |= uint8_t(0x80 >> i);
            f.put(char(bits));
        }
    if (!f) throw std::runtime_error("cannot write: " + path);
}

void SaveWav(const std::vector<int16_t>& samples, int channels, int sampleRate,
             const std::string& path) {
    std::ofstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error("cannot write: " + path);
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    f.write("RIFF", 4);
    Put32(f, 36 + dataBytes);
    f.write("WAVEfmt ", 8);
    Put32(f, 16);
    Put16(f, 1);
    Put16(f, uint16_t(channels));
    Put32(f, uint32_t(sampleRate));
    Put32(f, uint32_t(sampleRate * channels * 2));
    Put16(f, uint16_t(channels * 2));
    Put16(f, 16);
    f.write("data", 4);
    Put32(f, dataBytes);
    for (int16_t s : samples) Put16(f, uint16_t(s));
    if (!f) throw std::runtime_error("cannot write: " + path);
}

void EnsureDirectory(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (ec) throw std::runtime_error("cannot create folder: " + path + ": " + ec.message());
}

}  // namespace baker
