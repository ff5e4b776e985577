// The windowed game under a private X server: the intro window appears with its caption, and
// ending the process leaves nothing behind.
#include <gtest/gtest.h>

#include "support/process_run.hpp"
#include "support/xvfb_display.hpp"

namespace {

using testsupport::ChildProcess;
using testsupport::RunOnDisplay;
using testsupport::XvfbDisplay;

TEST(WindowedGame, IntroWindowAppearsOnARealDisplayAndTheProcessEndsOnTerm) {
    XvfbDisplay display(1024, 768);
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    ChildProcess game({reliability::GameExecutable()}, {display.env(), "SDL_AUDIODRIVER=dummy"});
    std::string found;
    for (int i = 0; i < 100 && found.empty(); ++i) {
        found = RunOnDisplay(display, {"xdotool", "search", "--onlyvisible", "--name", "^video$"});
        if (found.empty()) {
            ASSERT_FALSE(game.WaitFor(50)) << "the game ended early: " << game.status();
        }
    }
    EXPECT_FALSE(found.empty()) << "no visible window captioned \"video\"";
    game.Signal(SIGTERM);
    EXPECT_TRUE(game.WaitFor(5000));
}

}  // namespace
