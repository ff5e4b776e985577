#include "core/player_input.hpp"

namespace game {

void ApplyGravity() {}

void HandlePlayerInput() {}

}  // namespace game
