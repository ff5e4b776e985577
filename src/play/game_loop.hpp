// The tick: the fixed sequence of steps that every game-timer event runs.
#pragma once
#include <cstdint>

#include "platform/forms/app.hpp"

namespace game {

// Ticks are held back while a new game or the second level is being set up (and so are the
// player's clicks and close boxes, see App::DoEvents).
class SetupGuard {
  public:
    SetupGuard() = default;
    SetupGuard(const SetupGuard&) = delete;
    SetupGuard& operator=(const SetupGuard&) = delete;

  private:
    platform::App::SetupScope scope_;
};
bool SetupInProgress();

// Runs GameTick and writes its trace line, unless a set-up is in progress or a tick is
// already running. Returns whether the game window is still loaded afterwards.
bool RunGameTickIfReady();

void GameTick();

// Ticks run since the process started.
int64_t TicksRun();
void ResetTickCount();

}  // namespace game
