// The player's walk cycle: keeps WalkFrame in range and puts the current frame and its mask
// into the work pictures Character and CharacterMask.
#pragma once

namespace game {

void SelectWalkFrame();

}  // namespace game
