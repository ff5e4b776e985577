#include "play/frm_main.hpp"

#include "assets/frm_pics.hpp"
#include "platform/forms/app.hpp"
#include "play/game_loop.hpp"
#include "world/game_data.hpp"

namespace game {

void FrmMainForm::Form_Load() {
    using namespace GameData;
    CameraX = 0;
    CameraY = 0;
    ViewHeight = platform::RoundToI16(PlayArea.ScaleHeight());
    ViewWidth = platform::RoundToI16(PlayArea.ScaleWidth());
    CentreOnScreen();
    OnGround = 0;
    Shot1Active = 0;
    Shot2Active = 0;
    Shot3Active = 0;
    WalkFrame = 1;
    FacingRight = 1;
    RunSpeed = 3;
    EnemyHP1 = 100;
    EnemyHP2 = 100;
    EnemyHP3 = 100;
    PlayerHealth = 0;
    HP.SetCaption("100");
    score.SetCaption("0");
    EnemyShotFired1 = 0;
    EnemyShotFired2 = 0;
    EnemyShotFired3 = 0;
    // A shot that was never fired is parked above the view like a spent one, so that it
    // cannot hit the player standing at the start.
    EnemyShotY = -200;
}

void FrmMainForm::Form_Unload(int&) {
    ShutdownGame();
}

void FrmMainForm::SetKeyFlag(int keyCode, platform::i16 value) {
    using namespace GameData;
    if (Actors(1).Alive != -1)
        return;
    switch (keyCode) {
        case 37:
            KeyLeft = value;
            break;
        case 39:
            KeyRight = value;
            break;
        case 38:
            KeyUp = value;
            break;
        case 40:
            KeyDown = value;
            break;
        case 32:
            KeyJump = value;
            break;
        case 27:
            KeyEscape = value;
            break;
        case 17:
            KeyFire = value;
            break;
        default:
            break;
    }
}

void FrmMainForm::Form_KeyDown(int keyCode, int) {
    SetKeyFlag(keyCode, -1);
}

void FrmMainForm::Form_KeyUp(int keyCode, int) {
    SetKeyFlag(keyCode, 0);
}

void FrmMainForm::GameTimer_Timer() {
    platform::App::Get().DoEvents();
    if (!RunGameTickIfReady())
        return;
    if (loaded())
        platform::App::Get().DoEvents();
}

GameWindow& FrmMain() {
    static FrmMainForm form;
    return form;
}

void ShutdownGame() {
    FrmMain().Unload();
    FrmPics().Unload();
}

}  // namespace game
