#include "combat/level_end.hpp"

#include "combat/screen_links.hpp"
#include "level/level_table.hpp"
#include "world/game_data.hpp"
#include "world/game_window.hpp"

namespace game {
namespace {

using namespace GameData;

constexpr i32 kFallLimit = 480;
constexpr double kHealthLimit = 0;

}  // namespace

bool CheckFall() {
    if (Actors(1).Y <= kFallLimit)
        return false;
    FrmMain().GameTimer.SetEnabled(false);
    FrmMain().Unload();
    OpenDefeat();
    return true;
}

bool CheckHealth() {
    if (platform::ReadNumber(FrmMain().HP.Caption()) > kHealthLimit)
        return false;
    // The timer goes with the window.
    FrmMain().Unload();
    OpenDefeat();
    return true;
}

bool CheckLevelEnd() {
    const LevelFacts* level = LevelShown();
    if (level == nullptr || Actors(1).X <= level->endX)
        return false;
    FrmMain().GameTimer.SetEnabled(false);
    if (level->next != 0) {
        // The game window stays as it is under the between-levels screen.
        OpenBetweenLevels();
        return true;
    }
    FrmMain().Unload();
    OpenVictory();
    return true;
}

}  // namespace game
