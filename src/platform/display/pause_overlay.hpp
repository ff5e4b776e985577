// What the paused game window shows: its picture dimmed, with "PAUSED" over the middle. Drawn
// only on the way to the screen, over a copy, so the game's own pictures never hold it.
#pragma once
#include "platform/core/surface.hpp"

namespace platform {

void DrawPauseOverlay(Surface& picture);

}  // namespace platform
