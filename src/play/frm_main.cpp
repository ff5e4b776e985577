#include "world/frm_main.hpp"

#include "assets/frm_pics.hpp"
#include "platform/forms/app.hpp"
#include "play/game_loop.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

constexpr platform::PictureBoxStyle kViewBox{.sunkenBorder = true, .persistentImage = true};
constexpr uint32_t kFaceColour = platform::Rgb(212, 208, 200);
constexpr platform::LabelStyle kHudLabel{
    .font = {platform::FontFace::kUi, 8, false}, .foreColour = 0, .backColour = kFaceColour};

}  // namespace

FrmMainForm::FrmMainForm()
    : Form("FrmMain", 794, 575, platform::BorderStyle::kFixedSingle),
      PlayArea(*this, "PlayArea", 0, 0, 800, 550, kViewBox),
      BackBuffer(*this, "BackBuffer", 72, 632, 800, 550, kViewBox),
      Label1(*this, "Label1", 72, 552, 25, 25, kHudLabel),
      HP(*this, "HP", 104, 552, 105, 25, kHudLabel),
      Label2(*this, "Label2", 240, 552, 33, 25, kHudLabel),
      level(*this, "level", 280, 552, 121, 25, kHudLabel),
      Label3(*this, "Label3", 408, 552, 41, 17, kHudLabel),
      score(*this, "score", 456, 552, 57, 17, kHudLabel),
      GameTimer(*this, "GameTimer", 10, [this] { GameTimer_Timer(); }) {}

void FrmMainForm::Design() {
    SetCaption("Feel IT !!");
    SetBackColour(kFaceColour);
    Label1.SetCaption("HP");
    HP.SetCaption("dzipenes");
    Label2.SetCaption("Level");
    Label3.SetCaption("Score");
    score.SetCaption("pointi");
    GameTimer.SetEnabled(false);
}

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

FrmMainForm& FrmMain() {
    static FrmMainForm form;
    return form;
}

void ShutdownGame() {
    FrmMain().Unload();
    FrmPics().Unload();
}

}  // namespace game
