#include "core/actor_update.hpp"

namespace game {

void UpdateActors() {}

}  // namespace game
