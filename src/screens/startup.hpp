// How the program starts: every form created, the pictures checked, then the intro — or, with
// a warp, straight into a level as the menu and the between-levels screen would set it up.
#pragma once
#include <string>

#include "platform/run/runner.hpp"

namespace game {

// Creates every form so that scripts can name them. Call before reading a script.
void CreateAllForms();

// Returns an empty string, or why the game cannot start (a missing or damaged picture).
std::string PrepareGame();

void StartProgram(int warp);

// The whole program after its options are read; returns the exit status.
int RunGame(platform::RunOptions options, int warp);

}  // namespace game
