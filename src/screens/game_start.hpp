// Setting up play at a level: the first level starts a new game (the menu's start button), a
// later one carries the game on (the between-levels screen's next-level button). Ticks are held
// back until the set-up has finished.
#pragma once
#include "level/level_table.hpp"

namespace game {

// Called after the screen that asked for it has unloaded itself.
void StartLevel(const LevelFacts& level);

// The level after the one last started (the between-levels screen's next-level button); nothing
// after the last level. The game window need not be loaded: its caption is not read.
void StartNextLevel();

}  // namespace game
