// The combat step: map bounds, shots, enemy fire, damage, and the end of a level.
#pragma once

namespace game {

void UpdateCombat();

}  // namespace game
