// The player's vertical step and landing.
#pragma once

namespace game {

void UpdateActors();

}  // namespace game
