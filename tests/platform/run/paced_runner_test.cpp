// The paced runner that recording and replay use: timer events at exactly their due times,
// input only between them, the real time of a set-up dropped; and a live run recorded through
// it replays to the same sequence of events.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/forms/headless_frontend.hpp"
#include "platform/forms/picture_button.hpp"
#include "platform/forms/timer.hpp"
#include "platform/run/input_recorder.hpp"
#include "platform/run/paced_runner.hpp"

using namespace platform;

namespace {

// A form whose start button takes a slow set-up and then starts a 10 ms timer; it logs every
// handler with the game time.
class PacedForm : public Form {
  public:
    PacedForm() : Form("paced", 100, 40, BorderStyle::kFixedSingle) {}
    PictureButton start{*this, "start", 0, 0, 40, 20};
    Timer tick{*this, "tick", 10, [this] {
                   Log("tick");
                   if (++ticks == 6)
                       tick.SetEnabled(false);
               }};
    std::vector<std::string> log;
    int ticks = 0;

  protected:
    void Form_KeyDown(int, int) override { Log("keydown"); }
    void Form_KeyUp(int, int) override { Log("keyup"); }
    void Control_Click(Control&) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(40));  // loading a level
        tick.SetEnabled(true);
        Log("start");
    }

  private:
    void Log(const std::string& what) {
        log.push_back(what + " " + std::to_string(App::Get().NowMs()));
    }
};

// Input that arrives at given real times, as from a window system.
class TimedInput : public HeadlessFrontend {
  public:
    struct Arrival {
        int64_t paceMs;
        InputEvent event;
    };
    explicit TimedInput(std::deque<Arrival> arrivals) : arrivals_(std::move(arrivals)) {}
    void Poll(App& app, std::vector<InputEvent>& out) override {
        while (!arrivals_.empty() && app.clock().PaceMicros() >= arrivals_.front().paceMs * 1000) {
            out.push_back(arrivals_.front().event);
            arrivals_.pop_front();
        }
    }

  private:
    std::deque<Arrival> arrivals_;
};

class PacedRun : public ::testing::Test {
  protected:
    void SetUp() override { App::Get().SetFrontend(std::make_unique<HeadlessFrontend>()); }
    void TearDown() override {
        App::Get().SetInputObserver(nullptr);
        App::Get().SetPollInDoEvents(true);
        App::Get().SetFrontend(std::make_unique<HeadlessFrontend>());
        App::Get().SetClock(std::make_unique<VirtualClock>());
        std::filesystem::remove(recording_);
    }

    // Runs the paced loop until the form closes (or the feed ends), recording its input.
    void Run(InputFeed& feed) {
        App& app = App::Get();
        auto clock = std::make_unique<PacedClock>();
        PacedClock* paced = clock.get();
        app.SetClock(std::move(clock));
        app.SetPollInDoEvents(false);
        InputRecorder recorder;
        ASSERT_TRUE(recorder.Open(recording_.string(), {}));
        app.SetInputObserver([&](const InputEvent& e) { recorder.Record(e, app.NowMicros()); });
        try {
            RunPaced(app, *paced, feed, &recorder);
        } catch (const ProcessExit&) {
        }
        app.SetInputObserver(nullptr);
        recorder.Finish(app.NowMicros());
    }

    std::vector<ScriptCommand> Recording() {
        std::ifstream in(recording_);
        return ParseScript(in, [](const std::string& form, const std::string&) {
            return App::Get().FindForm(form) != nullptr;
        });
    }

    std::filesystem::path recording_ = std::filesystem::temp_directory_path() /
                                       ("dunspelt-paced-" + std::to_string(::getpid()) + ".txt");
};

TEST_F(PacedRun, LiveInputIsTakenBetweenTicksAndASetUpCostsNoTicks) {
    PacedForm form;
    form.Show();
    const InputEvent click{InputEvent::Kind::kClick, &form, &form.start, 0};
    const InputEvent down{InputEvent::Kind::kKeyDown, nullptr, nullptr, kPhysLeft};
    const InputEvent up{InputEvent::Kind::kKeyUp, nullptr, nullptr, kPhysLeft};
    const InputEvent close{InputEvent::Kind::kClose, &form, nullptr, 0};
    // The click's set-up takes 40 ms of real time; the key comes about three ticks later.
    App::Get().SetFrontend(std::make_unique<TimedInput>(
        std::deque<TimedInput::Arrival>{{20, click}, {95, down}, {96, up}, {400, close}}));
    PlayerFeed player;
    Run(player);

    const std::vector<std::string> live = form.log;
    ASSERT_GE(live.size(), 9u);
    // The first tick comes one period after the click however long the set-up took, and the
    // ticks follow each other by exactly one period: nothing is caught up in a burst.
    const int64_t startMs = std::stoll(live[0].substr(6));
    EXPECT_EQ(live[0].rfind("start ", 0), 0u);
    int64_t expectTick = startMs + 10;
    int keysSeen = 0;
    for (size_t i = 1; i < live.size(); ++i) {
        if (live[i].rfind("tick ", 0) == 0) {
            EXPECT_EQ(live[i], "tick " + std::to_string(expectTick)) << i;
            expectTick += 10;
        } else {
            ++keysSeen;
        }
    }
    EXPECT_EQ(keysSeen, 2);
    EXPECT_EQ(form.ticks, 6);

    // The recording replays to the same handlers at the same game times.
    const std::vector<ScriptCommand> recorded = Recording();
    EXPECT_EQ(
        std::count_if(recorded.begin(), recorded.end(),
                      [](const ScriptCommand& c) { return c.kind != ScriptCommand::Kind::kWait; }),
        4);
    form.Unload();
    form.ticks = 0;
    form.log.clear();
    form.Show();
    App::Get().SetFrontend(std::make_unique<HeadlessFrontend>());
    ScriptFeed replay(recorded, true);
    Run(replay);
    EXPECT_EQ(form.log, live);
}

TEST_F(PacedRun, AReplayPlaysItsScriptOnTheSameScheduleAsTheHeadlessHarness) {
    PacedForm form;
    form.Show();
    std::istringstream script(
        "wait 25\nclick paced start\nwait 35\nkeydown Left\nwait 20\nkeyup Left\nwait 50\n");
    auto commands =
        ParseScript(script, [](const std::string&, const std::string&) { return true; });
    ScriptFeed replay(commands, false);
    const auto begin = std::chrono::steady_clock::now();
    Run(replay);
    const auto took = std::chrono::steady_clock::now() - begin;
    // Ticks at 35, 45, 55 (the key at 60 comes after the tick due then... not yet due), 65 ...
    const std::vector<std::string> expected = {"start 25", "tick 35",    "tick 45",
                                               "tick 55",  "keydown 60", "tick 65",
                                               "tick 75",  "keyup 80",   "tick 85"};
    EXPECT_EQ(form.log, expected);
    // Played at real speed: 130 ms of waits and the 40 ms set-up.
    EXPECT_GE(took, std::chrono::milliseconds(160));
    // Its recording is the script itself.
    const std::vector<ScriptCommand> recorded = Recording();
    ASSERT_EQ(recorded.size(), commands.size());
    for (size_t i = 0; i < recorded.size(); ++i) {
        EXPECT_EQ(recorded[i].kind, commands[i].kind) << i;
        EXPECT_EQ(recorded[i].ms, commands[i].ms) << i;
    }
}

}  // namespace
