// Building the actor table for a new game: the player and three enemies at their places.
#pragma once

namespace game {

void InitLevelActors();

}  // namespace game
