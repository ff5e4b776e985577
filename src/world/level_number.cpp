#include "world/level_number.hpp"

#include "platform/core/checked.hpp"
#include "world/game_window.hpp"

namespace game {

double LevelNumber() {
    return platform::ReadNumber(FrmMain().level.Caption());
}

}  // namespace game
