// Reads a baked picture file for the tests: its pixels as 0x00RRGGBB, and its stored depth.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace test_pictures {

struct BakedPicture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;  // as stored in the file
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// Empty picture (width 0) when the file cannot be read.
BakedPicture ReadBakedPicture(const std::string& path);

}  // namespace test_pictures
