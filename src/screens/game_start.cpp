#include "screens/game_start.hpp"

#include <string>

#include "assets/frm_pics.hpp"
#include "level/level_resources.hpp"
#include "level/level_setup.hpp"
#include "platform/app.hpp"
#include "platform/sound.hpp"
#include "play/game_loop.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

void ClearPlayKeys() {
    using namespace GameData;
    KeyLeft = 0;
    KeyRight = 0;
    KeyJump = 0;
    KeyFire = 0;
    KeyEscape = 0;
}

void ResetView() {
    using namespace GameData;
    CameraX = 0;
    CameraY = 0;
    ViewHeight = platform::RoundToI16(FrmMain().PlayArea.ScaleHeight());
    ViewWidth = platform::RoundToI16(FrmMain().PlayArea.ScaleWidth());
}

void ResetEnemyHealth() {
    using namespace GameData;
    EnemyHP1 = 100;
    EnemyHP2 = 100;
    EnemyHP3 = 100;
}

void ShowLevelNumber(const LevelFacts& level) {
    FrmMain().level.SetCaption(std::to_string(level.number));
}

}  // namespace

// The steps of both set-ups in the order the game has always taken them. A new game loads the
// picture store and the game window, resets the score and rebuilds the actor table; a later
// level moves the same actors, and score, health and sizes carry over from the level before.
void StartLevel(const LevelFacts& level) {
    using namespace GameData;
    platform::App& app = platform::App::Get();
    const bool newGame = &level == &Levels().front();
    {
        SetupGuard noTicksYet;
        if (newGame) {
            FrmPics().Load();
            FrmMain().Load();
        }
        FrmMain().GameTimer.SetEnabled(true);
        ClearPlayKeys();
        if (!newGame)
            ShowLevelNumber(level);
        ResetView();
        if (newGame) {
            Score = 0;
            ResetEnemyHealth();
            ShowLevelNumber(level);
            FrmMain().Refresh();
        } else {
            PlacePlayer(level);
        }
        LoadLevelResources(app.FilePath("\\maps\\"), level.baseName);
        if (SoundOption == 1)
            platform::PlaySoundFile(app.FilePath(std::string("\\muz\\") + level.music));
        if (newGame) {
            InitLevelActors(level);
            FrmMain().Show();
        } else {
            PlaceEnemies(level);
            ResetEnemyHealth();
        }
    }
    // The first ticks and the game window's paint run here.
    if (newGame)
        app.DoEvents();
}

}  // namespace game
