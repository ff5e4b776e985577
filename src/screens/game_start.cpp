#include "screens/game_start.hpp"

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

}  // namespace

void StartNewGame() {
    using namespace GameData;
    platform::App& app = platform::App::Get();
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
        FrmMain().Show();
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
}

}  // namespace game
