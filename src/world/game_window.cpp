#include "world/game_window.hpp"

#include "platform/core/surface.hpp"

namespace game {
namespace {

constexpr platform::PictureBoxStyle kViewBox{.sunkenBorder = true, .persistentImage = true};
constexpr uint32_t kFaceColour = platform::Rgb(212, 208, 200);
constexpr platform::LabelStyle kHudLabel{
    .font = {platform::FontFace::kUi, 8, false}, .foreColour = 0, .backColour = kFaceColour};

}  // namespace

GameWindow::GameWindow()
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

void GameWindow::Design() {
    SetCaption("Feel IT !!");
    SetBackColour(kFaceColour);
    Label1.SetCaption("HP");
    HP.SetCaption("dzipenes");
    Label2.SetCaption("Level");
    Label3.SetCaption("Score");
    score.SetCaption("pointi");
    GameTimer.SetEnabled(false);
}

}  // namespace game
