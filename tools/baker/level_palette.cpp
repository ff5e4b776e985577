#include "level_palette.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace baker {
namespace {

struct Keys {
    uint32_t dark, mid, light;
};

// Dark, middle and light key colours of each ramp, in Ramp order.
constexpr std::array<Keys, kRampCount> kKeys = {{
    {0x1B2E45, 0x5F8A9A, 0xE4E6B8},  // Sky: night blue to pale evening haze
    {0x2A3F48, 0x587468, 0xA9BBA0},  // Haze: distant trees
    {0x0E1E12, 0x2E5A2A, 0x86A24A},  // Foliage
    {0x1A2A0C, 0x4E7A22, 0xB8D060},  // Grass and moss
    {0x1E1409, 0x5C4126, 0xB8956A},  // Mud
    {0x0F1A12, 0x34493A, 0x9AAE8C},  // Water
    {0x24150A, 0x6E4A28, 0xD0A46C},  // Wood
    {0x2E220C, 0x8A6A2A, 0xE8D49A},  // Reed
    {0x0B0A12, 0x383445, 0x8C8698},  // Rock
    {0x07060E, 0x1E1A2C, 0x4A4262},  // RockFar
    {0x17140F, 0x5A5246, 0xB8AE98},  // Stone
    {0x06252E, 0x1EA8B8, 0xE8FFFF},  // CrystalCyan
    {0x2A0A2A, 0xB03CA8, 0xFFE0F8},  // CrystalPink
    {0x3A0C04, 0xD06A14, 0xFFF4B0},  // Fire
    {0x2E0606, 0xB01E1E, 0xFFB0A0},  // FlagRed
    {0x151515, 0x707070, 0xF0F0F0},  // Grey
}};

uint32_t Mix(uint32_t a, uint32_t b, float t) {
    auto channel = [&](int shift) {
        float ca = float((a >> shift) & 0xFF), cb = float((b >> shift) & 0xFF);
        return uint32_t(std::lround(ca + (cb - ca) * t)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

std::array<std::array<uint32_t, kShades>, kRampCount> BuildTable() {
    std::array<std::array<uint32_t, kShades>, kRampCount> table{};
    for (int r = 0; r < kRampCount; ++r)
        for (int s = 0; s < kShades; ++s) {
            float t = float(s) / (kShades - 1);
            const Keys& k = kKeys[size_t(r)];
            table[size_t(r)][size_t(s)] =
                t < 0.5f ? Mix(k.dark, k.mid, t * 2) : Mix(k.mid, k.light, t * 2 - 1);
        }
    return table;
}

const auto kTable = BuildTable();

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

}  // namespace

uint32_t Shade(Ramp ramp, int shade) {
    return kTable[size_t(ramp)][size_t(std::clamp(shade, 0, kShades - 1))];
}

uint32_t Dithered(Ramp ramp, float level, int x, int y) {
    float v = std::clamp(level, 0.0f, 1.0f) * (kShades - 1);
    int base = int(v);
    float frac = v - float(base);
    float threshold = (float(kBayer[y & 3][x & 3]) + 0.5f) / 16.0f;
    return Shade(ramp, base + (frac > threshold ? 1 : 0));
}

}  // namespace baker
