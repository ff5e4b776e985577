// The player's foot points, shared by the jump test and the landing probes.
#pragma once
#include "world/actor.hpp"

namespace game {

// x of the centre foot: X + Width / 2 with the half pixel kept, rounded halves to even.
inline i32 CentreFootX(const Actor& a) {
    return platform::RoundToI32(double(a.X) + double(a.Width) / 2.0);
}

// The first pixel row below the sprite.
inline i32 FootRow(const Actor& a) {
    return platform::Add32(a.Y, a.Height);
}

}  // namespace game
