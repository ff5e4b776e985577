// Player shots against the enemies: retiring out-of-range shots, hits, kills and the score.
#pragma once
#include <array>

#include "combat/hit_geometry.hpp"

namespace game {

// Shots with x > 1000 or x < -200 (play-area pixels) are retired and parked at y -100,
// whether they were active or not.
void RetireOutOfRangeShots();

// Every slot against every enemy box (built earlier in the step). The active flag is not
// consulted, so a shot that hit stays lodged and keeps hitting.
void HitEnemiesWithShots(const std::array<ScreenBox, 3>& enemyBoxes);

}  // namespace game
