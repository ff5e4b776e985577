// The checks that end the play of a level: a fall, lost health, the far end of the map.
// Each returns true when it opened the next screen.
#pragma once

namespace game {

// Player Y below row 480: the game window closes and the defeat screen opens.
bool CheckFall();

// The HP caption at or below 0: the game window closes and the defeat screen opens.
bool CheckHealth();

// The player past the level's end: the ticks stop and the between-levels screen opens over the
// game window, or after the last level the game window closes and the victory screen opens.
bool CheckLevelEnd();

}  // namespace game
