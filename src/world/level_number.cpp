#include "world/level_number.hpp"

#include "world/frm_main.hpp"

namespace game {

double LevelNumber() {
    return platform::ReadNumber(FrmMain().level.Caption());
}

}  // namespace game
