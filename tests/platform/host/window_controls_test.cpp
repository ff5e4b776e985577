// The new controls in a real window under a private X server: the menu by keyboard into level
// 1, the screenshot key, pause with its overlay on screen, mute, and Escape still ending play.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/byte_files.hpp"
#include "support/headless_run.hpp"
#include "support/polling.hpp"
#include "support/process_run.hpp"
#include "support/xvfb_display.hpp"

namespace fs = std::filesystem;
using testsupport::ChildProcess;
using testsupport::RunOnDisplay;
using testsupport::XvfbDisplay;

namespace {

// Waits up to `millis` for a visible window with exactly this caption.
bool WindowAppears(const XvfbDisplay& display, ChildProcess& game, const std::string& caption,
                   int millis) {
    for (int waited = 0; waited < millis; waited += 100) {
        if (!RunOnDisplay(display,
                          {"xdotool", "search", "--onlyvisible", "--name", "^" + caption + "$"})
                 .empty())
            return true;
        if (game.WaitFor(100))
            return false;
    }
    return false;
}

std::vector<std::string> TraceEvents(const fs::path& trace) {
    std::ifstream in(trace);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) {
        testsupport::TraceLine l{line};
        if (l.Has("event"))
            out.push_back(l.Str("event"));
    }
    return out;
}

}  // namespace

TEST(WindowControls, KeyboardStartsAGameAndF12PAndMWorkInTheWindow) {
    XvfbDisplay display(1280, 1024);
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    testsupport::TempApp dirs;
    const fs::path pictures = dirs.dir() / "pictures", trace = dirs.dir() / "trace.jsonl";
    const std::string out = (dirs.dir() / "out.txt").string();
    // Under the sanitizers, the leaks that are not ours (SDL's session-bus connection) are the
    // project's list, also when this test runs outside make test-sanitize.
    ChildProcess game(
        {reliability::GameExecutable(), "--trace", trace.string()},
        {display.env(), "SDL_AUDIODRIVER=dummy",
         "LSAN_OPTIONS=suppressions=" + std::string(DUNSPELT_SOURCE_DIR) + "/cmake/lsan.supp",
         "XDG_CONFIG_HOME=" + (dirs.dir() / "config").string(),
         "XDG_PICTURES_DIR=" + pictures.string()},
        out);
    ASSERT_TRUE(WindowAppears(display, game, "Menu", 40000)) << "no menu";
    // Down reaches the start button, Enter presses it.
    RunOnDisplay(display, {"xdotool", "key", "--delay", "50", "Down", "Return"});
    ASSERT_TRUE(WindowAppears(display, game, "DUNSPELT LEVEL 1 - SWAMP", 20000)) << "no level";
    // Whether the middle of the screen (where "PAUSED" goes) has white in it.
    const std::string shot = (dirs.dir() / "screen.txt").string();
    auto whiteInTheMiddle = [&] {
        RunOnDisplay(
            display,
            {"import", "-window", "root", "-crop", "200x60+540+500", "-depth", "8", "txt:" + shot},
            30);
        const std::string text = testsupport::ReadText(shot);
        return text.find("#FFFFFF") != std::string::npos;
    };
    EXPECT_FALSE(whiteInTheMiddle());
    RunOnDisplay(display, {"xdotool", "key", "F12"});
    RunOnDisplay(display, {"xdotool", "key", "p"});
    EXPECT_TRUE(testsupport::WaitUntil(whiteInTheMiddle, 60000, 100)) << "no PAUSED on screen";
    RunOnDisplay(display, {"xdotool", "key", "--delay", "50", "m", "p"});
    // Held until the game ends: the game reads Escape on a tick, and a loaded machine can hold
    // it back longer than any tap.
    RunOnDisplay(display, {"xdotool", "keydown", "Escape"});
    const bool ended = game.WaitFor(15000);
    RunOnDisplay(display, {"xdotool", "keyup", "Escape"});
    ASSERT_TRUE(ended) << "Escape did not end the game";
    EXPECT_EQ(game.status(), 0);
    std::vector<std::string> events = TraceEvents(trace);
    std::vector<std::string> ours;
    for (const std::string& e : events)
        if (e == "screenshot" || e == "pause" || e == "resume" || e == "mute")
            ours.push_back(e);
    EXPECT_EQ(ours, (std::vector<std::string>{"screenshot", "pause", "mute", "resume"}));
    ASSERT_TRUE(fs::exists(pictures / "DUNSPELT"));
    int files = 0;
    for (const auto& f : fs::directory_iterator(pictures / "DUNSPELT"))
        files += f.path().extension() == ".png";
    EXPECT_EQ(files, 1);
    std::ifstream printed(out);
    std::stringstream said;
    said << printed.rdbuf();
    EXPECT_NE(said.str().find("dunspelt: screenshot saved to " + (pictures / "DUNSPELT").string()),
              std::string::npos)
        << said.str();
}
