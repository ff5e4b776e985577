// Bake-time checks that a level can be played: the fixed start and enemy places stand on
// ground, pits really kill, no step on the way is too tall to climb, and the end is reachable.
#pragma once
#include <string>
#include <vector>

#include "level_layout.hpp"
#include "level_terrain.hpp"

namespace baker {

// The game lifts feet out of the ground by at most this many pixels per probe.
constexpr int kMaxLift = 100;
// Free pixels below this row are where a fall ends the game.
constexpr int kDeathRow = 546;
// Flat, pit-free ground the player gets at the start of a level.
constexpr int kSafeStartWidth = 400;

// One message per problem; empty when the level is fine.
std::vector<std::string> CheckLevel(const LevelLayout& level, const SolidMap& solid);

}  // namespace baker
