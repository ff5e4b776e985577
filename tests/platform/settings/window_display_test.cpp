// The windowed game on a private X server, scaled and fullscreen: what the window system shows
// is the headless picture scaled, the mouse lands on the same buttons, the command line wins
// over the settings file, and F11 / Alt+Enter toggle fullscreen and are remembered.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "platform/core/picture_file.hpp"
#include "platform/core/runtime_error.hpp"
#include "screens/screen_flows.hpp"
#include "support/byte_files.hpp"
#include "support/headless_run.hpp"
#include "support/polling.hpp"
#include "support/process_run.hpp"
#include "support/xvfb_display.hpp"

namespace fs = std::filesystem;

namespace {

using screentest::kUntilMenu;
using screentest::LongFlatApp;
using screentest::ReadShot;
using screentest::ShotPath;
using testsupport::ChildProcess;
using testsupport::RunOnDisplay;
using testsupport::XvfbDisplay;

class WindowDisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("dunspelt-display-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path settings() const { return dir_ / "settings.ini"; }

    // The id of the visible window with this caption, waiting up to 40 s for it.
    static std::string WaitForWindow(const XvfbDisplay& display, ChildProcess& game,
                                     const std::string& caption) {
        std::string found;
        testsupport::WaitUntil(
            [&] {
                found = RunOnDisplay(
                    display, {"xdotool", "search", "--onlyvisible", "--name", "^" + caption + "$"});
                return !found.empty() || !game.Running();
            },
            40000);
        return found.substr(0, found.find('\n'));
    }

    // The window's size as the window system has it.
    static std::pair<int, int> WindowSize(const XvfbDisplay& display, const std::string& id) {
        const std::string info = RunOnDisplay(display, {"xwininfo", "-id", id});
        auto field = [&](const std::string& name) {
            const size_t at = info.find(name);
            return at == std::string::npos ? -1 : std::stoi(info.substr(at + name.size()));
        };
        return {field("Width: "), field("Height: ")};
    }

    // Waits until the window has the size (a window system resizes asynchronously).
    static bool WaitForSize(const XvfbDisplay& display, const std::string& id, int w, int h) {
        return testsupport::WaitUntil(
            [&] { return WindowSize(display, id) == std::make_pair(w, h); }, 15000);
    }

    // A picture of a window (or "root") as the window system shows it.
    std::shared_ptr<platform::Surface> Capture(const XvfbDisplay& display, const std::string& id,
                                               const std::string& name) {
        const fs::path file = dir_ / (name + ".png");
        fs::remove(file);
        // A screen's worth of pixels takes import seconds on a loaded machine; one cut short
        // leaves no picture or a damaged one.
        RunOnDisplay(display, {"import", "-window", id, "png24:" + file.string()}, 30);
        try {
            return platform::LoadPicture(file.string());
        } catch (const platform::RuntimeError&) {
            return nullptr;
        }
    }

    // Captures the window until it shows `expected` with every pixel a k x k block (a window
    // system draws when it gets to it), for up to a minute; the last capture's verdict.
    ::testing::AssertionResult ShowsScaled(const XvfbDisplay& display, const std::string& id,
                                           const std::string& name,
                                           const platform::Surface& expected, int k);

    fs::path dir_;
};

// Whether `big` is `small` with every pixel a uniform k x k block.
::testing::AssertionResult IsScaledCopy(const platform::Surface& big,
                                        const platform::Surface& small, int k) {
    if (big.width() != small.width() * k || big.height() != small.height() * k)
        return ::testing::AssertionFailure()
               << "size " << big.width() << "x" << big.height() << ", not " << k << " x "
               << small.width() << "x" << small.height();
    int wrong = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            if (big.At(x, y) != small.At(x / k, y / k) && wrong++ == 0) {
                firstX = x;
                firstY = y;
            }
    if (wrong == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << wrong << " pixels differ, the first at " << firstX << ", " << firstY;
}

::testing::AssertionResult WindowDisplayTest::ShowsScaled(const XvfbDisplay& display,
                                                          const std::string& id,
                                                          const std::string& name,
                                                          const platform::Surface& expected,
                                                          int k) {
    ::testing::AssertionResult last = ::testing::AssertionFailure() << "no capture of " << id;
    testsupport::WaitUntil(
        [&] {
            auto shown = Capture(display, id, name);
            if (shown)
                last = IsScaledCopy(*shown, expected, k);
            return bool(last);
        },
        60000, 100);
    return last;
}

TEST_F(WindowDisplayTest, AtScaleTwoTheMenuIsTheHeadlessMenuDoubledAndTheMouseHitsItsButtons) {
    // The headless menu, as it is and with the mouse over the start button.
    testsupport::TempApp& app = LongFlatApp();
    testsupport::RunResult headless =
        testsupport::RunHeadless(app, kUntilMenu + "screenshot " + ShotPath(app, "display_menu") +
                                          " izvelne\n" + "move izvelne Command1\nscreenshot " +
                                          ShotPath(app, "display_hover") + " izvelne\n");
    ASSERT_EQ(headless.status, 0) << headless.errors;
    auto menu = ReadShot(app, "display_menu"), hover = ReadShot(app, "display_hover");

    // The settings file asks for scale 3 in fullscreen; the command line wins for this run.
    std::ofstream(settings()) << "[display]\nscale = 3\nfullscreen = true\n";
    const std::string before = testsupport::ReadText(settings());
    XvfbDisplay display(2560, 1440);
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    RunOnDisplay(display, {"xdotool", "mousemove", "0", "0"});  // off every window
    ChildProcess game({reliability::GameExecutable(), "--settings", settings().string(), "--scale",
                       "2", "--windowed"},
                      {display.env(), "SDL_AUDIODRIVER=dummy"});
    const std::string id = WaitForWindow(display, game, "Menu");
    ASSERT_FALSE(id.empty()) << "no menu window; the game ended with " << game.status();
    EXPECT_TRUE(WaitForSize(display, id, 794 * 2, 575 * 2)) << "the window is not 2x";
    EXPECT_TRUE(ShowsScaled(display, id, "menu", *menu, 2));

    // The mouse over the start button (312, 120, 169 x 97) at twice its place lights it up.
    RunOnDisplay(display, {"xdotool", "mousemove", "--window", id, "800", "330"});
    EXPECT_TRUE(ShowsScaled(display, id, "hover", *hover, 2));
    // A click on the exit button (312, 456, 169 x 97) ends the game.
    RunOnDisplay(display, {"xdotool", "mousemove", "--window", id, "792", "1008", "click", "1"});
    ASSERT_TRUE(game.WaitFor(10000)) << "the exit button did not end the game";
    EXPECT_EQ(game.status(), 0);
    // Nothing the player changed, so the file is as it was.
    EXPECT_EQ(testsupport::ReadText(settings()), before);
}

TEST_F(WindowDisplayTest, F11AndAltEnterToggleBorderlessFullscreenAndTheSettingIsRemembered) {
    XvfbDisplay display(1920, 1080);
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    RunOnDisplay(display, {"xdotool", "mousemove", "0", "0"});
    ChildProcess game(
        {reliability::GameExecutable(), "--settings", settings().string(), "--warp", "1"},
        {display.env(), "SDL_AUDIODRIVER=dummy"});
    const std::string id = WaitForWindow(display, game, "DUNSPELT LEVEL 1 - SWAMP");
    ASSERT_FALSE(id.empty()) << "no game window; the game ended with " << game.status();
    // The first run wrote every default; auto picks 1.5 on this screen.
    EXPECT_NE(testsupport::ReadText(settings()).find("fullscreen = false\n"), std::string::npos);
    EXPECT_TRUE(WaitForSize(display, id, 1191, 863)) << "not at scale 1.5";

    RunOnDisplay(display, {"xdotool", "key", "F11"});
    EXPECT_TRUE(WaitForSize(display, id, 1920, 1080)) << "F11 did not go fullscreen";
    // The picture is 1491 x 1080 at x 214, with black bars beside it and none inside, once the
    // window system has drawn it.
    std::shared_ptr<platform::Surface> screen;
    auto columnBlack = [&](int x) {
        for (int y = 0; y < screen->height(); ++y)
            if (screen->At(x, y) != 0)
                return false;
        return true;
    };
    const std::vector<int> bars = {0, 100, 213, 1705, 1800, 1919}, picture = {214, 960, 1704};
    testsupport::WaitUntil(
        [&] {
            screen = Capture(display, "root", "fullscreen");
            return screen && std::all_of(bars.begin(), bars.end(), columnBlack) &&
                   std::none_of(picture.begin(), picture.end(), columnBlack);
        },
        60000, 100);
    ASSERT_TRUE(screen);
    for (int x : bars) EXPECT_TRUE(columnBlack(x)) << "column " << x;
    for (int x : picture) EXPECT_FALSE(columnBlack(x)) << "column " << x;
    EXPECT_NE(testsupport::ReadText(settings()).find("fullscreen = true\n"), std::string::npos);

    RunOnDisplay(display, {"xdotool", "key", "alt+Return"});
    EXPECT_TRUE(WaitForSize(display, id, 1191, 863)) << "Alt+Enter did not go back";
    EXPECT_NE(testsupport::ReadText(settings()).find("fullscreen = false\n"), std::string::npos);
    EXPECT_TRUE(game.Running()) << "the game ended";
}

TEST_F(WindowDisplayTest, AtScaleOneTheMenuIsTheHeadlessMenuBeforeAndAfterAFullscreenRoundTrip) {
    // At its own size the picture goes through the window surface, in fullscreen through the
    // renderer; back in the window it must be the exact picture again.
    testsupport::TempApp& app = LongFlatApp();
    testsupport::RunResult headless = testsupport::RunHeadless(
        app, kUntilMenu + "screenshot " + ShotPath(app, "display_menu_1x") + " izvelne\n");
    ASSERT_EQ(headless.status, 0) << headless.errors;
    auto menu = ReadShot(app, "display_menu_1x");

    XvfbDisplay display(1920, 1080);
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    RunOnDisplay(display, {"xdotool", "mousemove", "0", "0"});
    ChildProcess game(
        {reliability::GameExecutable(), "--settings", settings().string(), "--scale", "1"},
        {display.env(), "SDL_AUDIODRIVER=dummy"});
    const std::string id = WaitForWindow(display, game, "Menu");
    ASSERT_FALSE(id.empty()) << "no menu window; the game ended with " << game.status();
    ASSERT_TRUE(WaitForSize(display, id, 794, 575));
    EXPECT_TRUE(ShowsScaled(display, id, "menu_1x", *menu, 1));

    RunOnDisplay(display, {"xdotool", "key", "F11"});
    ASSERT_TRUE(WaitForSize(display, id, 1920, 1080)) << "F11 did not go fullscreen";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    RunOnDisplay(display, {"xdotool", "key", "F11"});
    ASSERT_TRUE(WaitForSize(display, id, 794, 575)) << "F11 did not come back";
    EXPECT_TRUE(ShowsScaled(display, id, "menu_1x_again", *menu, 1));
    EXPECT_TRUE(game.Running()) << "the game ended";
}

}  // namespace
