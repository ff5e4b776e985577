// The game window as the subsystems read and draw it: the visible play area, the hidden back
// buffer, the HUD labels and the tick timer, with their places and design-time captions. What
// the window does when it loads and unloads, on keys and on each timer event belongs to the
// play loop (play/frm_main.hpp), which makes the one window.
#pragma once
#include "platform/forms/form.hpp"
#include "platform/forms/label.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/timer.hpp"

namespace game {

class GameWindow : public platform::Form {
  public:
    platform::PictureBox PlayArea, BackBuffer;
    platform::Label Label1, HP, Label2, level, Label3, score;
    platform::Timer GameTimer;

  protected:
    GameWindow();
    void Design() override;
    virtual void GameTimer_Timer() = 0;
};

// The one game window. Made by the play loop with its handlers (defined in play/frm_main.cpp):
// the subsystems below the play loop reach it through this, without knowing the loop.
GameWindow& FrmMain();

}  // namespace game
