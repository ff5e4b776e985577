// The level being played, as the HUD's level caption shows it: the caption is the game's only
// record of the level, so every level test reads it afresh.
#pragma once

namespace game {

// The `level` caption read as a number (run-time error 13 when it is not one).
double LevelNumber();

}  // namespace game
