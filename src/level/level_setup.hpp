// Putting the actors of a level in their places: the whole table for a new game, the same
// actors moved for a level that carries the game on.
#pragma once
#include "level/level_table.hpp"

namespace game {

// Rebuilds the actor table for a new game: the player at `level`'s start and its three
// enemies at their places, alive and at rest, each sized from its picture.
void InitLevelActors(const LevelFacts& level);

// The player to `level`'s start; nothing else of the player changes.
void PlacePlayer(const LevelFacts& level);

// The three enemies to `level`'s places (every x, then every y) and the size of its enemy
// picture; nothing else of them changes.
void PlaceEnemies(const LevelFacts& level);

}  // namespace game
