// The windowed game and the headless game play the same game from the same input: a game
// played in real windows through xdotool is recorded, replayed headless, and the two traces
// must agree tick by tick in every field but the time stamps. Also: a recording cut off by a
// kill replays up to where it stops, and --replay plays a recording in the windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "support/headless_run.hpp"
#include "support/process_run.hpp"
#include "support/trace_compare.hpp"
#include "support/xvfb_display.hpp"

namespace {

using testsupport::ChildProcess;
using testsupport::FirstTraceDifference;
using testsupport::ReadTrace;
using testsupport::RunHeadless;
using testsupport::RunOnDisplay;
using testsupport::RunResult;
using testsupport::TempApp;
using testsupport::XvfbDisplay;

void Sleep(int millis) {
    std::this_thread::sleep_for(std::chrono::milliseconds(millis));
}

std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The game on a private display, with the baked levels, driven by xdotool.
class WindowedRun : public ::testing::Test {
  protected:
    void SetUp() override {
        app_.UseBakedLevels();
        ASSERT_TRUE(display_.ok()) << "Xvfb did not start";
    }

    void Start(std::vector<std::string> args) {
        // A settings file of its own and scale 1: the clicks below are in game pixels.
        args.insert(args.begin(),
                    {reliability::GameExecutable(), "--app-dir", app_.dir().string(), "--settings",
                     (app_.dir() / "settings.ini").string(), "--scale", "1"});
        game_ = std::make_unique<ChildProcess>(
            args, std::vector<std::string>{display_.env(), "SDL_AUDIODRIVER=dummy"}, "",
            (app_.dir() / "stderr.txt").string());
    }

    // The id of a visible window whose title matches, waiting up to `millis` for it.
    std::string Window(const std::string& titlePattern, int millis) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(millis);
        while (std::chrono::steady_clock::now() < deadline && game_->Running()) {
            const std::string id = RunOnDisplay(
                display_, {"xdotool", "search", "--onlyvisible", "--name", titlePattern});
            if (!id.empty())
                return id.substr(0, id.find('\n'));
            Sleep(50);
        }
        return {};
    }

    // Points at (x, y) in the window, lets the hover show, and clicks.
    void Click(const std::string& window, int x, int y) {
        RunOnDisplay(display_, {"xdotool", "mousemove", "--window", window, std::to_string(x),
                                std::to_string(y)});
        Sleep(150);
        RunOnDisplay(display_, {"xdotool", "click", "1"});
    }

    void Key(const std::string& action, const std::string& key) {
        RunOnDisplay(display_, {"xdotool", action, key});
    }

    // The game reads Escape on a tick: a tap whose press and release both land between two
    // ticks (a loaded machine can hold the game back that long) is never seen, so hold it.
    void HoldEscape() {
        Key("keydown", "Escape");
        Sleep(150);
        Key("keyup", "Escape");
    }

    std::string Errors() const { return ReadText(app_.dir() / "stderr.txt"); }

    TempApp app_;
    XvfbDisplay display_{1024, 768};
    std::unique_ptr<ChildProcess> game_;
    const std::filesystem::path recording_ = app_.dir() / "game.rec";
    const std::filesystem::path trace_ = app_.dir() / "windowed.jsonl";
};

TEST_F(WindowedRun, AGamePlayedInTheWindowsReplaysHeadlessToTheSameTrace) {
    Start({"--record", recording_.string(), "--trace", trace_.string()});
    // The intro runs its ten seconds; then the menu's start button.
    ASSERT_FALSE(Window("^video$", 5000).empty()) << "no intro " << Errors();
    std::string menu = Window("^Menu$", 15000);
    ASSERT_FALSE(menu.empty()) << "no menu";
    Click(menu, 396, 168);
    ASSERT_FALSE(Window("^DUNSPELT LEVEL 1", 5000).empty()) << "no game window";
    // Walk right, jump, fire, and walk on into the first pit (or the enemies' fire).
    Sleep(300);
    Key("keydown", "Right");
    Sleep(500);
    Key("keydown", "space");
    Sleep(250);
    Key("keyup", "space");
    Sleep(300);
    Key("keydown", "ctrl");
    Sleep(60);
    Key("keyup", "ctrl");
    const std::string lose = Window("^GAME OVER$", 15000);
    Key("keyup", "Right");
    ASSERT_FALSE(lose.empty()) << "the player did not die";
    // Back to the menu, and out through its exit button.
    Click(lose, 400, 228);
    menu = Window("^Menu$", 5000);
    ASSERT_FALSE(menu.empty()) << "no menu after the defeat screen";
    Click(menu, 396, 504);
    ASSERT_TRUE(game_->WaitFor(5000)) << "the game did not end on its exit button";
    EXPECT_EQ(game_->status(), 0) << Errors();

    const std::string recording = ReadText(recording_);
    RunResult replayed = RunHeadless(app_, recording);
    ASSERT_EQ(replayed.status, 0) << replayed.errors;
    const auto windowed = ReadTrace(trace_);
    EXPECT_EQ(FirstTraceDifference(windowed, replayed.trace), "") << recording;
    // The run did what it was meant to: walked, jumped, fired, died, went back to the menu.
    const auto ticks = replayed.Ticks();
    auto any = [&](auto test) { return std::any_of(ticks.begin(), ticks.end(), test); };
    EXPECT_TRUE(any([](const auto& t) { return t.Int("KeyRight") == -1; }));
    EXPECT_TRUE(any([](const auto& t) { return t.Int("KeyJump") == -1; }));
    EXPECT_TRUE(any([](const auto& t) { return t.Int("Shot1Active") != 0; }));
    const auto events = replayed.Events();
    EXPECT_EQ(std::count(events.begin(), events.end(), "show izvelne"), 2);
    EXPECT_TRUE(replayed.HasEvent("show lose"));
    std::cout << "[ compared ] " << ticks.size() << " ticks\n";
}

TEST_F(WindowedRun, ARecordingCutOffByAKillReplaysUpToWhereItStops) {
    Start({"--warp", "1", "--record", recording_.string(), "--trace", trace_.string()});
    ASSERT_FALSE(Window("^DUNSPELT LEVEL 1", 5000).empty()) << "no game window " << Errors();
    Key("keydown", "Right");
    Sleep(2000);  // still on the home bank: the pit is about 2.7 s of walking away
    game_->Signal(SIGKILL);
    ASSERT_TRUE(game_->WaitFor(5000));
    Key("keyup", "Right");

    RunResult replayed = RunHeadless(app_, ReadText(recording_), {"--warp", "1"});
    ASSERT_EQ(replayed.status, 0) << replayed.errors;
    // Flushed at least once a second: the first second of walking or so is there.
    const auto ticks = replayed.Ticks();
    ASSERT_GE(ticks.size(), 50u);
    EXPECT_EQ(ticks.back().Int("KeyRight"), -1);
    EXPECT_EQ(FirstTraceDifference(ReadTrace(trace_), replayed.trace, true), "");
}

TEST_F(WindowedRun, AReplayPlaysInTitledWindowsIgnoringThePlayerAndEndsWithTheRecording) {
    // A short recording made headless: walk, jump, stop, close the game window.
    const std::string script =
        "wait 300\nkeydown Right\nwait 400\nkeydown Space\nwait 200\nkeyup Space\n"
        "wait 300\nkeyup Right\nwait 300\nclose FrmMain\n";
    RunResult headless =
        RunHeadless(app_, script, {"--warp", "1", "--record", recording_.string()});
    ASSERT_EQ(headless.status, 0) << headless.errors;

    const auto begin = std::chrono::steady_clock::now();
    Start({"--warp", "1", "--replay", recording_.string(), "--trace", trace_.string()});
    ASSERT_FALSE(Window("^DUNSPELT LEVEL 1 .*\\(replay\\)$", 5000).empty())
        << "no replay window " << Errors();
    Key("keydown", "Left");  // the player's keys do not steer a replay
    Sleep(200);
    Key("keyup", "Left");
    ASSERT_TRUE(game_->WaitFor(10000)) << "the replay did not end with its recording";
    const auto took = std::chrono::steady_clock::now() - begin;
    EXPECT_EQ(game_->status(), 0) << Errors();
    EXPECT_GE(took, std::chrono::milliseconds(1500)) << "not played at real speed";
    EXPECT_EQ(FirstTraceDifference(ReadTrace(trace_), headless.trace), "");
}

// The game time a recording waits between two of its input lines (the first at `from`).
int WaitBetween(const std::string& recording, const std::string& from, const std::string& to) {
    std::istringstream in(recording.substr(recording.find(from + "\n") + from.size() + 1));
    int waited = 0;
    for (std::string line; std::getline(in, line) && line != to;)
        if (line.rfind("wait ", 0) == 0)
            waited += std::stoi(line.substr(5));
    return waited;
}

// The index of the first line that is the event, or the trace's size.
size_t EventAt(const std::vector<testsupport::TraceLine>& trace, const std::string& event) {
    for (size_t i = 0; i < trace.size(); ++i)
        if (trace[i].IsEvent(event))
            return i;
    return trace.size();
}

TEST_F(WindowedRun, AGamePausedAndResumedInTheWindowReplaysHeadlessToTheSameTrace) {
    Start({"--warp", "1", "--record", recording_.string(), "--trace", trace_.string()});
    ASSERT_FALSE(Window("^DUNSPELT LEVEL 1", 5000).empty()) << "no game window " << Errors();
    Sleep(200);
    Key("keydown", "Right");
    Sleep(400);
    Key("key", "p");  // pause while walking, the arrow still held
    Sleep(700);
    Key("key", "p");
    Sleep(400);
    Key("keyup", "Right");
    Sleep(100);
    HoldEscape();
    ASSERT_TRUE(game_->WaitFor(5000)) << "Escape did not end the game";
    EXPECT_EQ(game_->status(), 0) << Errors();

    const std::string recording = ReadText(recording_);
    // The pause is in the recording with the game time it lasted.
    EXPECT_GE(WaitBetween(recording, "keydown P", "keydown P"), 500) << recording;
    RunResult replayed = RunHeadless(app_, recording, {"--warp", "1"});
    ASSERT_EQ(replayed.status, 0) << replayed.errors;
    const auto windowed = ReadTrace(trace_);
    EXPECT_EQ(FirstTraceDifference(windowed, replayed.trace), "") << recording;
    // It paused and resumed, with no tick in between, and walked on after.
    const size_t paused = EventAt(replayed.trace, "pause");
    const size_t resumed = EventAt(replayed.trace, "resume");
    ASSERT_LT(resumed, replayed.trace.size());
    EXPECT_EQ(resumed, paused + 1);
    ASSERT_LT(resumed + 1, replayed.trace.size());
    EXPECT_TRUE(replayed.trace[resumed + 1].IsTick());
    EXPECT_EQ(replayed.trace[resumed + 1].Int("KeyRight"), -1);
    std::cout << "[ compared ] " << replayed.Ticks().size() << " ticks\n";
}

TEST_F(WindowedRun, PausingAReplayHoldsTheRecordingUntilItIsResumed) {
    // Walk, and jump about 900 ms in: inside the pause below, had the recording gone on.
    const std::string script =
        "wait 200\nkeydown Right\nwait 700\nkeydown Space\nwait 200\nkeyup Space\n"
        "wait 300\nkeyup Right\nwait 200\nclose FrmMain\n";
    RunResult headless =
        RunHeadless(app_, script, {"--warp", "1", "--record", recording_.string()});
    ASSERT_EQ(headless.status, 0) << headless.errors;

    Start({"--warp", "1", "--replay", recording_.string(), "--trace", trace_.string()});
    ASSERT_FALSE(Window("^DUNSPELT LEVEL 1 .*\\(replay\\)$", 5000).empty())
        << "no replay window " << Errors();
    Sleep(300);
    Key("key", "p");
    Sleep(1200);
    Key("key", "p");
    ASSERT_TRUE(game_->WaitFor(10000)) << "the replay did not end with its recording";
    EXPECT_EQ(game_->status(), 0) << Errors();

    // The replay paused and resumed between two ticks; without those two lines it is the
    // recorded run, the jump included.
    auto windowed = ReadTrace(trace_);
    const size_t paused = EventAt(windowed, "pause");
    ASSERT_LT(paused + 1, windowed.size()) << "the player's P did not pause the replay";
    ASSERT_TRUE(windowed[paused + 1].IsEvent("resume"));
    windowed.erase(windowed.begin() + long(paused), windowed.begin() + long(paused) + 2);
    EXPECT_EQ(FirstTraceDifference(windowed, headless.trace), "");
    const auto ticks = headless.Ticks();
    EXPECT_TRUE(std::any_of(ticks.begin(), ticks.end(),
                            [](const auto& t) { return t.Int("KeyJump") == -1; }));
}

}  // namespace
