#include "level/level_table.hpp"

#include "world/level_number.hpp"

namespace game {

const LevelFacts* LevelNumbered(double number) {
    for (const LevelFacts& level : Levels())
        if (level.number == number)
            return &level;
    return nullptr;
}

const LevelFacts* LevelShown() {
    return LevelNumbered(LevelNumber());
}

}  // namespace game
