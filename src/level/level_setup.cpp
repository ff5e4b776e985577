#include "level/level_setup.hpp"

#include "assets/frm_pics.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

double LevelNumber() {
    return platform::ReadNumber(FrmMain().level.Caption());
}

// Grows the table by one entry and places an enemy, sized from the level's enemy picture.
void AddEnemy(int index, i32 x, i32 y) {
    using namespace GameData;
    Actors.Redim(index);
    Actor& a = Actors(index);
    a.Alive = -1;
    a.X = x;
    a.Y = y;
    a.SpeedX = 0;
    a.SpeedY = 0;
    if (LevelNumber() == 1) {
        a.Width = platform::RoundToI16(FrmPics().l1e.ScaleWidth());
        a.Height = platform::RoundToI16(FrmPics().l1e.ScaleHeight());
    }
    if (LevelNumber() == 2) {
        a.Width = platform::RoundToI16(FrmPics().l2e.ScaleWidth());
        a.Height = platform::RoundToI16(FrmPics().l2e.ScaleHeight());
    }
}

}  // namespace

void InitLevelActors() {
    using namespace GameData;
    Actors.Redim(1);
    Actor& player = Actors(1);
    player.Alive = -1;
    player.X = 10;
    player.Y = 10;
    player.SpeedX = 0;
    player.SpeedY = 0;
    player.Width = platform::RoundToI16(FrmPics().Character.ScaleWidth());
    player.Height = platform::RoundToI16(FrmPics().Character.ScaleHeight());
    AddEnemy(2, 700, 390);
    AddEnemy(3, 2200, 390);
    AddEnemy(4, 7000, 390);
}

}  // namespace game
