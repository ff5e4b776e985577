// Plain RGB images and the writers the baker needs (BMP, PNG, ICO, WAV).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace baker {

// 0x00RRGGBB, row by row, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Image() = default;
    Image(int w, int h, uint32_t fill = 0) : width(w), height(h), pixels(size_t(w) * h, fill) {}
    uint32_t& at(int x, int y) { return pixels[size_t(y) * width + x]; }
    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    void FillRect(int x, int y, int w, int h, uint32_t colour);
    Image MirroredHorizontally() const;
};

void SaveBmp24(const Image& image, const std::string& path);
// Palette BMP; the image must use at most 256 colours.
void SaveBmp8(const Image& image, const std::string& path);
void SavePng(const Image& image, const std::string& path);
// 32 x 32, 16 colours (4 bits per pixel) icon; pixels equal to `transparent` are masked out.
void SaveIco16(const Image& image, uint32_t transparent, const std::string& path);
// 16-bit PCM, mono or stereo (interleaved samples).
void SaveWav(const std::vector<int16_t>& samples, int channels, int sampleRate,
             const std::string& path);

// Throws std::runtime_error with the path when a write fails.
void EnsureDirectory(const std::string& path);

}  // namespace baker
