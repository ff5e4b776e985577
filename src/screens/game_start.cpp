#include "screens/game_start.hpp"

#include "assets/frm_pics.hpp"
#include "level/level_resources.hpp"
#include "level/level_setup.hpp"
#include "platform/app.hpp"
#include "platform/sound.hpp"
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

// Shows the game window. The options and about screens, when open, stay above it; the game
// window still takes the keys.
void ShowGameWindow() {
    FrmMain().Show();
    for (platform::Form* screen :
         {static_cast<platform::Form*>(&options()), static_cast<platform::Form*>(&about())})
        if (screen->visible())
            platform::App::Get().Raise(screen);
}

}  // namespace

void StartNewGame() {
    using namespace GameData;
    platform::App& app = platform::App::Get();
    // What is left of an earlier game goes first, so that this one starts as in a fresh
    // process: its between-levels, victory or defeat screen (still open when the menu was
    // opened again over the game), then the game window, whose load handler then gives this
    // game a fresh HUD and state.
    for (platform::Form* screen :
         {static_cast<platform::Form*>(&aik()), static_cast<platform::Form*>(&win()),
          static_cast<platform::Form*>(&lose())})
        if (screen->loaded())
            screen->Unload();
    if (FrmMain().loaded())
        FrmMain().Unload();
    {
        SetupGuard noTicksYet;
        FrmPics().Load();
        FrmMain().Load();
        FrmMain().GameTimer.SetEnabled(true);
        ClearPlayKeys();
        ResetView();
        Score = 0;
        EnemyHP1 = 100;
        EnemyHP2 = 100;
        EnemyHP3 = 100;
        FrmMain().level.SetCaption("1");
        FrmMain().Refresh();
        LoadLevelResources(app.FilePath("\\maps\\"), "level1");
        if (SoundOption == 1)
            platform::PlaySoundFile(app.FilePath("\\muz\\level1.wav"));
        InitLevelActors();
        ShowGameWindow();
    }
    app.DoEvents();
}

void StartLevel2() {
    using namespace GameData;
    platform::App& app = platform::App::Get();
    SetupGuard noTicksYet;
    FrmMain().GameTimer.SetEnabled(true);
    ClearPlayKeys();
    FrmMain().level.SetCaption("2");
    ResetView();
    Actors(1).X = 10;
    Actors(1).Y = 300;
    LoadLevelResources(app.FilePath("\\maps\\"), "level2");
    if (SoundOption == 1)
        platform::PlaySoundFile(app.FilePath("\\muz\\level2.wav"));
    Actors(2).X = 1320;
    Actors(3).X = 4370;
    Actors(4).X = 10200;
    Actors(2).Y = 340;
    Actors(3).Y = 170;
    Actors(4).Y = 325;
    for (int i = 2; i <= 4; ++i) {
        Actors(i).Width = platform::RoundToI16(FrmPics().l2e.ScaleWidth());
        Actors(i).Height = platform::RoundToI16(FrmPics().l2e.ScaleHeight());
    }
    EnemyHP1 = 100;
    EnemyHP2 = 100;
    EnemyHP3 = 100;
    // A game window closed while the between-levels screen was open came back hidden when the
    // timer was enabled above: level 2 is not played in a window nobody sees.
    if (!FrmMain().visible())
        ShowGameWindow();
}

}  // namespace game
