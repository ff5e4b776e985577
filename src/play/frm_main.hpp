// The game window's handlers: a fresh game state as it loads, the key flags, and the tick on
// each timer event; unloading it ends the game.
#pragma once
#include "platform/core/checked.hpp"
#include "world/game_window.hpp"

namespace game {

class FrmMainForm : public GameWindow {
  protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_KeyUp(int keyCode, int shift) override;
    void GameTimer_Timer() override;

  private:
    void SetKeyFlag(int keyCode, platform::i16 value);
};

// Unloads the game window and then the picture store.
void ShutdownGame();

}  // namespace game
