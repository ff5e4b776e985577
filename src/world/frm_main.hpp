// The game window: the visible play area, the hidden back buffer, the HUD and the tick timer.
#pragma once
#include "platform/core/checked.hpp"
#include "platform/forms/form.hpp"
#include "platform/forms/label.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/timer.hpp"

namespace game {

class FrmMainForm : public platform::Form {
  public:
    FrmMainForm();

    platform::PictureBox PlayArea, BackBuffer;
    platform::Label Label1, HP, Label2, level, Label3, score;
    platform::Timer GameTimer;

  protected:
    void Design() override;
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_KeyUp(int keyCode, int shift) override;

  private:
    void GameTimer_Timer();
    void SetKeyFlag(int keyCode, platform::i16 value);
};

FrmMainForm& FrmMain();

// Unloads the game window and then the picture store.
void ShutdownGame();

}  // namespace game
