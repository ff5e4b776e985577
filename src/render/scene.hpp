// Drawing the player, shots and enemies over the map; moving the shots.
#pragma once
#include "platform/core/checked.hpp"

namespace game {

void DrawScene();
platform::i16 RangeTest(platform::i32 x, platform::i32 y, platform::i16 width,
                        platform::i16 height);

}  // namespace game
