#include "combat/combat.hpp"

namespace game {

void UpdateCombat() {}

}  // namespace game
