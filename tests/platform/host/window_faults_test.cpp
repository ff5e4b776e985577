// The windowed game on a private X server, where the window system itself can fail it: screens
// kept above the game window, windows destroyed from outside, the display going away, and a
// start-up failure shown to a player who has no terminal.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/headless_run.hpp"
#include "support/process_run.hpp"
#include "support/xvfb_display.hpp"

namespace fs = std::filesystem;
using testsupport::ChildProcess;
using testsupport::RunOnDisplay;
using testsupport::TempApp;
using testsupport::XvfbDisplay;

namespace {

void Sleep(int millis) {
    std::this_thread::sleep_for(std::chrono::milliseconds(millis));
}

// Polls `done` every 50 ms for up to `millis`; whether it came true.
template <typename Predicate>
bool WaitUntil(Predicate done, int millis) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(millis);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Sleep(50);
    }
    return true;
}

std::string ReadText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The game started windowed on `display`, its stderr kept in the app folder.
struct WindowedGame {
    WindowedGame(const XvfbDisplay& display, const TempApp& app,
                 const std::vector<std::string>& args = {})
        : errors(app.dir() / "stderr.txt"),
          process(
              [&] {
                  std::vector<std::string> argv = {reliability::GameExecutable(), "--app-dir",
                                                   app.dir().string()};
                  argv.insert(argv.end(), args.begin(), args.end());
                  return argv;
              }(),
              {display.env(), "SDL_AUDIODRIVER=dummy"}, "", errors.string()) {}

    std::string Errors() const { return ReadText(errors); }

    fs::path errors;
    ChildProcess process;
};

// The top-level windows, topmost first: decimal id and title.
std::vector<std::pair<std::string, std::string>> TopLevelWindows(const XvfbDisplay& display) {
    std::istringstream lines(RunOnDisplay(display, {"xwininfo", "-root", "-children"}));
    std::vector<std::pair<std::string, std::string>> windows;
    for (std::string line; std::getline(lines, line);) {
        const size_t at = line.find("0x"), open = line.find('"');
        if (at == std::string::npos || open == std::string::npos ||
            line.find("root window") != std::string::npos)
            continue;
        const size_t close = line.find('"', open + 1);
        windows.push_back({std::to_string(std::stoul(line.substr(at), nullptr, 16)),
                           line.substr(open + 1, close - open - 1)});
    }
    return windows;
}

// The id of the window titled `title`, waiting up to `millis` for it; empty if it does not
// appear (or the game ends first).
std::string FindWindow(const XvfbDisplay& display, WindowedGame& game, const std::string& title,
                       int millis) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(millis);
    while (std::chrono::steady_clock::now() < deadline) {
        for (const auto& [id, name] : TopLevelWindows(display))
            if (name == title)
                return id;
        if (!game.process.Running())
            return "";
        Sleep(100);
    }
    return "";
}

void Xdotool(const XvfbDisplay& display, std::vector<std::string> args) {
    args.insert(args.begin(), "xdotool");
    RunOnDisplay(display, args);
}

// A click at a point of a window's client area.
void Click(const XvfbDisplay& display, const std::string& window, int x, int y) {
    Xdotool(display,
            {"mousemove", "--window", window, std::to_string(x), std::to_string(y), "click", "1"});
}

// Clicks at a point of `window` until a window titled `title` opens (a window found by its
// title may not take clicks yet: it can still be on its way to the screen), and returns it.
std::string ClickForWindow(const XvfbDisplay& display, WindowedGame& game,
                           const std::string& window, int x, int y, const std::string& title) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        Click(display, window, x, y);
        const std::string opened = FindWindow(display, game, title, 2500);
        if (!opened.empty())
            return opened;
    }
    return "";
}

// The top-level windows' ids, topmost first.
std::vector<std::string> StackTopFirst(const XvfbDisplay& display) {
    std::vector<std::string> ids;
    for (const auto& window : TopLevelWindows(display)) ids.push_back(window.first);
    return ids;
}

bool WindowExists(const XvfbDisplay& display, const std::string& window) {
    return !RunOnDisplay(display, {"xdotool", "getwindowname", window}).empty();
}

void ExpectNoFatalXError(const WindowedGame& game) {
    EXPECT_EQ(game.Errors().find("X Error of failed request"), std::string::npos) << game.Errors();
}

// Destroys `window` from outside, as a window manager would: it counts as closed with its close
// box, the game goes on and `left` is still there.
void CloseFromOutsideAndExpectTheGameToGoOn(const XvfbDisplay& display, WindowedGame& game,
                                            const std::string& window, const std::string& left) {
    Xdotool(display, {"windowclose", window});
    EXPECT_TRUE(WaitUntil([&] { return !WindowExists(display, window); }, 3000));
    Sleep(500);
    EXPECT_TRUE(game.process.Running()) << game.Errors();
    EXPECT_TRUE(WindowExists(display, left));
}

// Destroys the last window from outside: the game ends normally, with no fatal X error.
void CloseTheLastFromOutsideAndExpectANormalEnd(const XvfbDisplay& display, WindowedGame& game,
                                                const std::string& window) {
    Xdotool(display, {"windowclose", window});
    ASSERT_TRUE(game.process.WaitFor(5000)) << "the game went on with no window";
    EXPECT_EQ(game.process.status(), 0) << game.Errors();
    ExpectNoFatalXError(game);
}

// Level 1 and 2 without pits, wider than their ends, with the player walking below the enemies
// and their fire: running right reaches the between-levels screen.
void WriteOpenFlatLevels(TempApp& app) {
    testsupport::TestLevel level1 = testsupport::FlatLevel(12400, 600, 540);
    app.WriteLevel("level1", level1.map, level1.mask);
    testsupport::TestLevel level2 = testsupport::FlatLevel(12400, 600, 500);
    app.WriteLevel("level2", level2.map, level2.mask);
}

// The game started at level 1 of the open flat levels on a display of its own, with a trace.
struct FlatLevelsGame {
    XvfbDisplay display{1024, 768};
    TempApp app;
    bool levelsWritten = (WriteOpenFlatLevels(app), true);  // before the game starts
    fs::path trace = app.dir() / "trace.jsonl";
    WindowedGame game{display, app, {"--warp", "1", "--trace", trace.string()}};

    // The game window's id, once it is there ("" after 20 s without it).
    std::string PlayWindow() {
        return FindWindow(display, game, "DUNSPELT LEVEL 1 - SWAMP", 20000);
    }
};

// The game started at its menu on the baked levels, on a display of its own.
struct MenuGame {
    XvfbDisplay display{1024, 768};
    TempApp app;
    bool levelsBaked = (app.UseBakedLevels(), true);  // before the game starts
    WindowedGame game{display, app};

    // The menu window's id, once it is there ("" after 30 s without it).
    std::string MenuWindow() { return FindWindow(display, game, "Menu", 30000); }
};

}  // namespace

TEST(WindowFaults, ScreensOpenAtTheStartStayAboveTheGameAndWindowsDestroyedFromOutsideClose) {
    MenuGame run;
    ASSERT_TRUE(run.display.ok()) << "Xvfb did not start";
    XvfbDisplay& display = run.display;
    WindowedGame& game = run.game;
    const std::string menu = run.MenuWindow();
    ASSERT_FALSE(menu.empty()) << "no menu window\n" << game.Errors();

    // Options and about open, each moved aside so that the menu's start button stays free
    // (there is no window manager to move them).
    const std::string options = ClickForWindow(display, game, menu, 396, 280, "OPTIONS");
    ASSERT_FALSE(options.empty());
    Xdotool(display, {"windowmove", options, "0", "440"});
    Sleep(500);
    const std::string about = ClickForWindow(display, game, menu, 396, 392, "About");
    ASSERT_FALSE(about.empty());
    Xdotool(display, {"windowmove", about, "470", "0"});
    Sleep(500);
    const std::string play =
        ClickForWindow(display, game, menu, 330, 168, "DUNSPELT LEVEL 1 - SWAMP");
    ASSERT_FALSE(play.empty()) << "no game window\n" << game.Errors();

    // Both screens are still above the game window.
    auto above = [&](const std::string& upper, const std::string& lower) {
        const std::vector<std::string> stack = StackTopFirst(display);
        const auto top = std::find(stack.begin(), stack.end(), upper);
        const auto bottom = std::find(stack.begin(), stack.end(), lower);
        return top != stack.end() && bottom != stack.end() && top < bottom;
    };
    EXPECT_TRUE(WaitUntil([&] { return above(options, play) && above(about, play); }, 3000));
    Sleep(300);
    EXPECT_TRUE(above(options, play) && above(about, play)) << "the game window was raised";

    // Destroyed from outside, each window counts as closed with its close box: the game goes
    // on while a window is left, and ends normally with the last one.
    CloseFromOutsideAndExpectTheGameToGoOn(display, game, options, play);
    CloseFromOutsideAndExpectTheGameToGoOn(display, game, play, about);
    CloseTheLastFromOutsideAndExpectANormalEnd(display, game, about);
}

TEST(WindowFaults, AMenuDestroyedFromOutsideEndsTheGameNormally) {
    MenuGame run;
    ASSERT_TRUE(run.display.ok()) << "Xvfb did not start";
    const std::string menu = run.MenuWindow();
    ASSERT_FALSE(menu.empty()) << "no menu window\n" << run.game.Errors();
    CloseTheLastFromOutsideAndExpectANormalEnd(run.display, run.game, menu);
}

TEST(WindowFaults, BetweenLevelsAndGameWindowsDestroyedFromOutsideCloseInTurn) {
    FlatLevelsGame run;
    ASSERT_TRUE(run.display.ok()) << "Xvfb did not start";
    XvfbDisplay& display = run.display;
    WindowedGame& game = run.game;
    const std::string play = run.PlayWindow();
    ASSERT_FALSE(play.empty()) << "no game window\n" << game.Errors();
    // A running jump the whole way: the level end in some 700 ticks.
    Xdotool(display, {"keydown", "Right", "space"});
    const std::string aik = FindWindow(display, game, "LEVEL DONE !", 60000);
    Xdotool(display, {"keyup", "Right", "space"});
    ASSERT_FALSE(aik.empty()) << "the level end was not reached\n" << game.Errors();

    CloseFromOutsideAndExpectTheGameToGoOn(display, game, aik, play);
    CloseTheLastFromOutsideAndExpectANormalEnd(display, game, play);
}

TEST(WindowFaults, ALostDisplayEndsTheGameAtOnceWithStatusOneAndTheTraceFlushed) {
    FlatLevelsGame run;
    ASSERT_TRUE(run.display.ok()) << "Xvfb did not start";
    XvfbDisplay& display = run.display;
    WindowedGame& game = run.game;
    const fs::path& trace = run.trace;
    ASSERT_FALSE(run.PlayWindow().empty()) << game.Errors();
    Sleep(1000);
    display.Stop();
    const auto stopped = std::chrono::steady_clock::now();
    ASSERT_TRUE(game.process.WaitFor(2000)) << "the game outlived its display";
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::seconds(2));
    EXPECT_EQ(game.process.status(), 1);
    EXPECT_EQ(game.process.signal(), 0);
    const std::string errors = game.Errors();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_EQ(errors.rfind("dunspelt: ", 0), 0u) << errors;
    EXPECT_NE(errors.find("display"), std::string::npos) << errors;

    // Every line of the trace is whole, ticks were written, and the last line tells the end.
    std::istringstream lines(ReadText(trace));
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    ASSERT_GT(all.size(), 50u);
    for (const std::string& line : all) EXPECT_EQ(line.back(), '}') << line;
    EXPECT_NE(all.back().find("\"event\":\"end\""), std::string::npos) << all.back();
    EXPECT_NE(all.back().find("display"), std::string::npos) << all.back();
    EXPECT_NE(all.at(all.size() - 2).find("\"tick\":"), std::string::npos);
}

TEST(WindowFaults, ADisplayLostWhileTheGameClosesOnASignalEndsItWithoutACrash) {
    // As when a desktop session ends: the game is told to stop and the display goes with it.
    // Either the game saw the loss first (status 1) or had already ended (status 0); never a
    // crash, and the trace ends on one whole end line.
    for (int round = 0; round < 3; ++round) {
        FlatLevelsGame run;
        ASSERT_TRUE(run.display.ok()) << "Xvfb did not start";
        WindowedGame& game = run.game;
        ASSERT_FALSE(run.PlayWindow().empty()) << game.Errors();
        Sleep(300);
        game.process.Signal(SIGTERM);
        run.display.Stop();
        ASSERT_TRUE(game.process.WaitFor(5000)) << "the game outlived its display";
        EXPECT_EQ(game.process.signal(), 0) << "round " << round;
        EXPECT_TRUE(game.process.status() == 0 || game.process.status() == 1)
            << game.process.status();
        const std::string text = ReadText(run.trace);
        EXPECT_EQ(text.back(), '\n');
        const size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
        EXPECT_EQ(text.find("\"event\":\"end\""), text.find("\"event\":\"end\"", lastLine))
            << text.substr(lastLine);
    }
}

TEST(WindowFaults, AMissingPictureIsShownInAMessageBoxWhenThereIsADisplay) {
    XvfbDisplay display(1024, 768);
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    TempApp app;
    app.UseBakedLevels();
    // pics/ as a folder of links to the built pictures, less one.
    const fs::path pics = app.dir() / "pics", built = fs::path(DUNSPELT_APP_DIR) / "pics";
    fs::remove(pics);
    fs::create_directory(pics);
    for (const auto& entry : fs::directory_iterator(built))
        if (entry.path().filename() != "hugo1.bmp")
            fs::create_symlink(entry.path(), pics / entry.path().filename());

    WindowedGame game(display, app);
    const std::string box = FindWindow(display, game, "DUNSPELT", 10000);
    ASSERT_FALSE(box.empty()) << "no message box\n" << game.Errors();
    EXPECT_TRUE(game.process.Running()) << "the box did not wait for the player";
    EXPECT_NE(game.Errors().find("hugo1.bmp"), std::string::npos) << game.Errors();
    // Its button takes Return; the process then ends with the failure's status.
    Xdotool(display, {"key", "--window", box, "Return"});
    ASSERT_TRUE(game.process.WaitFor(5000)) << "the box was not dismissed";
    EXPECT_EQ(game.process.status(), 1);

    // Headless runs never show one, display or not (headless play needs a script).
    const std::string script = (app.dir() / "wait.txt").string();
    std::ofstream(script) << "wait 100\n";
    const reliability::ProcessResult headless =
        reliability::RunProcess({reliability::GameExecutable(), "--headless", "--script", script,
                                 "--app-dir", app.dir().string()},
                                {}, {display.env()}, 20);
    EXPECT_EQ(headless.status, 1) << headless.errors;
    EXPECT_NE(headless.errors.find("hugo1.bmp"), std::string::npos) << headless.errors;
}
