// Setting up play: a new game at level 1 (the menu's start button) and the second level (the
// between-levels screen's next-level button). Ticks are held back until each has finished.
#pragma once

namespace game {

// The new-game set-up after the menu has unloaded itself.
void StartNewGame();
// The level 2 set-up after the between-levels screen has unloaded itself.
void StartLevel2();

}  // namespace game
