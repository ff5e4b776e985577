// The enemies turn towards the player and fire their one shared shot; damage to the player.
#pragma once
#include <array>

#include "combat/hit_geometry.hpp"

namespace game {

// An enemy left of the player faces right (flag 1), one to its right faces left (0);
// level with the player it keeps its facing.
void TurnEnemiesToPlayer();

// A living, ready enemy fires when d = enemy X - player X < 500: every enemy to the left
// fires whatever the distance. No visibility test.
void FireEnemyShots();

// The enemy shot hitting the player takes 5 and sends the shot out of the view vertically.
void HitPlayerWithEnemyShot(const ScreenBox& player, const ScreenBox& enemyShot);

// Each touched enemy takes 1 per tick.
void HurtPlayerOnContact(const ScreenBox& player, const std::array<ScreenBox, 3>& enemies);

}  // namespace game
