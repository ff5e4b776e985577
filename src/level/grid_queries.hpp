// Questions asked of the collision grid: is a point solid, where is the ground below it.
#pragma once
#include "platform/core/checked.hpp"

namespace game {

// -1 when the grid point is solid (or outside the grid, or on its last column or row), else 0.
platform::i16 IsSolid(platform::i32 x, platform::i32 y);

// IsSolid that also records the answer in OnGround (1 solid, 0 free).
platform::i16 ProbeGround(platform::i32 x, platform::i32 y);

// How many pixels the point must be raised to reach free space (0..100; 0 when free or
// buried deeper than 100 pixels).
platform::i16 GroundDistance(platform::i32 x, platform::i32 y);

}  // namespace game
