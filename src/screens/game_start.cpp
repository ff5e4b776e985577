#include "screens/game_start.hpp"

#include <string>

#include "assets/frm_pics.hpp"
#include "level/level_resources.hpp"
#include "level/level_setup.hpp"
#include "platform/core/app_folder.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/sound.hpp"
#include "play/game_loop.hpp"
#include "screens/about.hpp"
#include "screens/aik.hpp"
#include "screens/lose.hpp"
#include "screens/options.hpp"
#include "screens/win.hpp"
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

// Shows the game window. The options and about screens, when open, stay above it; the game
// window still takes the keys.
void ShowGameWindow() {
    FrmMain().Show();
    for (platform::Form* screen :
         {static_cast<platform::Form*>(&options()), static_cast<platform::Form*>(&about())})
        if (screen->visible())
            platform::App::Get().Raise(screen);
}

// What is left of an earlier game goes first, so that a new one starts as in a fresh process:
// its between-levels, victory or defeat screen (still open when the menu was opened again over
// the game), then the game window, whose load handler then gives this game a fresh HUD and
// state.
void CloseEarlierGame() {
    for (platform::Form* screen :
         {static_cast<platform::Form*>(&aik()), static_cast<platform::Form*>(&win()),
          static_cast<platform::Form*>(&lose())})
        if (screen->loaded())
            screen->Unload();
    if (FrmMain().loaded())
        FrmMain().Unload();
}

// The level the last set-up started.
const LevelFacts* levelInPlay = nullptr;

}  // namespace

void StartNextLevel() {
    if (const LevelFacts* next = levelInPlay ? LevelNumbered(levelInPlay->next) : nullptr)
        StartLevel(*next);
}

// The steps of both set-ups in the order the game has always taken them. A new game loads the
// picture store and the game window, resets the score and rebuilds the actor table; a later
// level moves the same actors, and score, health and sizes carry over from the level before.
void StartLevel(const LevelFacts& level) {
    using namespace GameData;
    platform::App& app = platform::App::Get();
    const bool newGame = &level == &Levels().front();
    levelInPlay = &level;
    if (newGame)
        CloseEarlierGame();
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
        LoadLevelResources(platform::AppFilePath("\\maps\\"), level.baseName);
        if (SoundOption == 1)
            platform::PlaySoundFile(platform::AppFilePath(std::string("\\muz\\") + level.music));
        if (newGame) {
            InitLevelActors(level);
            ShowGameWindow();
        } else {
            PlaceEnemies(level);
            ResetEnemyHealth();
            // A game window closed while the between-levels screen was open came back hidden
            // when the timer was enabled above: a level is not played in a window nobody sees.
            if (!FrmMain().visible())
                ShowGameWindow();
        }
    }
    // The first ticks and the game window's paint run here.
    if (newGame)
        app.DoEvents();
}

}  // namespace game
