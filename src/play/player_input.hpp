// The first two steps of the tick: gravity, then walking, jumping, firing, the title, Escape.
#pragma once

namespace game {

void ApplyGravity();
void HandlePlayerInput();

}  // namespace game
