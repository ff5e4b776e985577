// What the play window shows for a moment after the game's speed changed: "SPEED 70%" near its
// top. Drawn only on the way to the screen, over a copy, like the pause overlay: screenshots
// and the game's own pictures never hold it.
#pragma once
#include "platform/core/surface.hpp"

namespace platform {

void DrawSpeedOverlay(Surface& picture, int percent);

}  // namespace platform
