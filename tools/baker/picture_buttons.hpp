// Button pictures: a cartridge lying across the picture with the button's word on its case.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "picture_sources.hpp"
#include "raster.hpp"

namespace baker {

struct CartridgeLook {
    std::vector<uint32_t> caseRamp;    // top to bottom of the round case
    std::vector<uint32_t> bulletRamp;  // top to bottom of the round bullet
    uint32_t rim = 0;                  // outline of the whole cartridge
    uint32_t word = 0, wordRim = 0;
};

// The cartridge's whole size; every button shows at least this much of its picture.
inline constexpr int kCartridgeLength = 144;
inline constexpr int kCartridgeHeight = 46;

// A black picture with the cartridge centred in it.
Image PaintButton(int width, int height, const std::string& word, const CartridgeLook& look,
                  const PixelFont& font);

}  // namespace baker
