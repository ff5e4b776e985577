// Random play for the headless game: scripts of random keys, clicks, mouse moves, close boxes
// and waits over every screen, and the rules a trace of any such play must keep.
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "support/headless_run.hpp"

namespace reliability {

struct RandomScript {
    std::string text;
    std::vector<int64_t> sequenceStartMs;  // virtual time at which each sequence begins
    int64_t endMs = 0;                     // when the script runs out
};

// How the random input leans.
struct RandomStyle {
    // Right held most of the time and Left seldom, with longer waits, so that play reaches the
    // level ends (on levels without pits) and the screens that follow them; close boxes are
    // pressed only on the windows around play.
    bool leanRight = false;
};

// `sequences` bursts of a few random commands each. Exit buttons and Escape are rare so that
// most runs go on through many screens. Now and then input is sent into the next set-up's
// yields ("during-setup").
RandomScript MakeRandomScript(std::mt19937& rng, int sequences, RandomStyle style = {});

// Grid widths of the two levels, to tell a finished level set-up from a half-done one.
struct LevelWidths {
    int64_t level1 = 0, level2 = 0;
};

// Checks a run's trace; returns the broken rules (empty when all hold):
// - the process ended normally, with no run-time error;
// - never two of the end screens (between-levels, victory, defeat) shown at once;
// - every tick runs with the game window shown and its level set up completely (except the one
//   tick that itself opened an end screen); none runs while the game window is loaded hidden;
// - once no window is shown, the process runs on no further: the same input event either
//   shows a window again or ends the process;
// - the process ended when the script ran out, or by an exit button or Escape (the silent clip
//   at that moment), or when the last window closed.
std::vector<std::string> CheckRandomRun(const testsupport::RunResult& run,
                                        const RandomScript& script, const LevelWidths& widths);

}  // namespace reliability
