#include "combat/level_end.hpp"

#include "combat/screen_links.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

using namespace GameData;

constexpr i32 kFallLimit = 480;
constexpr double kHealthLimit = 0;
constexpr i32 kLevel1End = 9910;
constexpr i32 kLevel2End = 11910;

// Read afresh at each test, as the caption is the level's only record.
double LevelNumber() {
    return platform::ReadNumber(FrmMain().level.Caption());
}

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
    if (LevelNumber() == 1 && Actors(1).X > kLevel1End) {
        FrmMain().GameTimer.SetEnabled(false);
        OpenBetweenLevels();
        return true;
    }
    if (LevelNumber() == 2 && Actors(1).X > kLevel2End) {
        FrmMain().GameTimer.SetEnabled(false);
        FrmMain().Unload();
        OpenVictory();
        return true;
    }
    return false;
}

}  // namespace game
