// The one 256-colour palette both level maps are painted with: 16 ramps of 16 shades each,
// so every map fits an 8-bit BMP whatever is painted.
#pragma once
#include <cstdint>

namespace baker {

enum class Ramp {
    Sky,
    Haze,
    Foliage,
    Grass,
    Mud,
    Water,
    Wood,
    Reed,
    Rock,
    RockFar,
    Stone,
    CrystalCyan,
    CrystalPink,
    Fire,
    FlagRed,
    Grey,
};
constexpr int kRampCount = 16;
constexpr int kShades = 16;

// shade 0 is the darkest, kShades - 1 the lightest; out-of-range shades are clamped.
uint32_t Shade(Ramp ramp, int shade);
// Picks between the two shades nearest to `level` (0..1) with a 4 x 4 ordered dither.
uint32_t Dithered(Ramp ramp, float level, int x, int y);

}  // namespace baker
