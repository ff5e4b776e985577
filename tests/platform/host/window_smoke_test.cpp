// The windowed game under a private X server: the intro window appears with its caption, and
// ending the process leaves nothing behind.
#include <gtest/gtest.h>

#include "support/polling.hpp"
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
    testsupport::WaitUntil(
        [&] {
            found =
                RunOnDisplay(display, {"xdotool", "search", "--onlyvisible", "--name", "^video$"});
            return !found.empty() || !game.Running();
        },
        30000);
    ASSERT_TRUE(game.Running()) << "the game ended early: " << game.status();
    EXPECT_FALSE(found.empty()) << "no visible window captioned \"video\"";
    game.Signal(SIGTERM);
    ASSERT_TRUE(game.WaitFor(15000));
    EXPECT_EQ(game.signal(), 0) << "the game did not close on the signal, it was ended by it";
}

}  // namespace
