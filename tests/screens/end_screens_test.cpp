// Between-levels, victory and defeat: next level, the final score, back to the menu, exit and
// the close boxes.
#include <gtest/gtest.h>

#include "platform/core/text.hpp"
#include "screens/screen_flows.hpp"

using namespace testsupport;
using namespace screentest;

namespace {

std::string EventText(const TraceLine& l) {
    std::string e = l.Str("event");
    for (const char* key : {"form", "file"})
        if (l.Has(key))
            e.append(" ").append(l.Str(key));
    return e;
}

// The tick lines that follow the first event `from` and come before the first event `to`
// after it (to the end if `to` is empty).
std::vector<TraceLine> TicksBetween(const RunResult& r, const std::string& from,
                                    const std::string& to) {
    std::vector<TraceLine> out;
    bool on = false;
    for (const TraceLine& l : r.trace) {
        if (l.Has("event")) {
            if (!on && EventText(l) == from)
                on = true;
            else if (on && !to.empty() && EventText(l) == to)
                break;
        } else if (on && l.IsTick()) {
            out.push_back(l);
        }
    }
    return out;
}

// The tick lines after the last event `from`.
std::vector<TraceLine> TicksAfterLast(const RunResult& r, const std::string& from) {
    std::vector<TraceLine> out;
    for (const TraceLine& l : r.trace) {
        if (l.Has("event") && EventText(l) == from)
            out.clear();
        else if (l.IsTick())
            out.push_back(l);
    }
    return out;
}

// Whether play stood still after the event `screen`: the only tick line written after it is
// that of the tick which opened the screen, at the same time.
bool NoTickAfter(const RunResult& r, const std::string& screen, const std::string& to) {
    for (const TraceLine& t : TicksBetween(r, screen, to))
        if (t.Int("ms") != EventTime(r, screen))
            return false;
    return true;
}

const std::string kThroughBothLevels =
    kPlayLevel1 + "wait 1000\nclick aik Command1\n" + kWalkLevel2;

}  // namespace

TEST(BetweenLevels, StopsPlayThenNextLevelPlacesLevelTwoEnemiesAndKeepsHealthAndScore) {
    RunResult r = RunHeadless(
        LongFlatApp(), kPlayLevel1 + "wait 1000\nclick aik Command1\nwait 50\n", {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "load aik"),
              (std::vector<std::string>{"load aik", "sound muz/silence.wav", "show aik",
                                        "unload aik", "end"}));
    // The game window stays loaded beneath, its timer stopped until the button.
    EXPECT_TRUE(NoTickAfter(r, "show aik", "unload aik"));
    // The tick that opened the screen is the last of level 1.
    const TraceLine before = TicksBetween(r, "show aik", "unload aik").at(0);
    ASSERT_EQ(before.Int("Score"), 50);
    ASSERT_NE(before.Str("HP"), "100");
    ASSERT_EQ(before.Int("EnemyHP1"), 0);

    std::vector<TraceLine> level2 = TicksBetween(r, "unload aik", "");
    ASSERT_EQ(level2.size(), 5u);
    for (const TraceLine& t : level2) {
        EXPECT_EQ(t.Str("level"), "2");
        EXPECT_EQ(t.Str("title"), "DUNSPELT LEVEL 2 - CAVES");
    }
    const TraceLine& first = level2.front();
    EXPECT_EQ(first.Int("ms"), EventTime(r, "unload aik") + 10);
    const int xs[] = {1320, 4370, 10200}, ys[] = {340, 170, 325};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(first.Actor(k + 2, "X"), xs[k]);
        EXPECT_EQ(first.Actor(k + 2, "Y"), ys[k]);
        EXPECT_EQ(first.Actor(k + 2, "Width"), 77);
        EXPECT_EQ(first.Actor(k + 2, "Height"), 64);
        EXPECT_EQ(first.Actor(k + 2, "Alive"), -1);
        EXPECT_EQ(first.Int("EnemyHP" + std::to_string(k + 1)), 100);
    }
    EXPECT_EQ(first.Actor(1, "X"), 10);
    EXPECT_EQ(first.Actor(1, "Width"), 46);
    EXPECT_EQ(first.Int("Score"), 50);
    EXPECT_EQ(first.Str("score"), "50");
    EXPECT_EQ(first.Str("HP"), before.Str("HP"));
    EXPECT_EQ(first.Int("KeyFire"), 0);
}

TEST(BetweenLevels, WarpTwoRunsTheNextLevelButton) {
    RunResult r = RunHeadless(LongFlatApp(), "wait 10\n", {"--warp", "2"});
    ASSERT_EQ(r.status, 0) << r.errors;
    // Both buttons find their screens closed; the sound option was never switched on.
    EXPECT_EQ(r.Events(),
              (std::vector<std::string>{"load FrmPics", "load FrmMain", "show FrmMain", "end"}));
    const TraceLine& first = r.Tick(1);
    EXPECT_EQ(first.Str("level"), "2");
    EXPECT_EQ(first.Actor(4, "X"), 10200);
    EXPECT_EQ(first.Actor(4, "Width"), 77);
}

TEST(Victory, ShowsTheScoreCarriedThroughBothLevels) {
    TempApp& app = LongFlatApp();
    RunResult r = RunHeadless(
        app, kThroughBothLevels + "screenshot " + ShotPath(app, "win") + " win\n", {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "unload FrmPics"),
              (std::vector<std::string>{"unload FrmPics", "unload FrmMain", "load win",
                                        "sound muz/win.wav", "show win", "end"}));
    EXPECT_EQ(r.LastTick().Int("Score"), 50);
    // pointi (225 x 81 at 464, 352) shows "50" in the display font, white on black.
    platform::Surface expected(225, 81, 0);
    platform::DrawText(expected, 0, 0, 225, 81, "50", {platform::FontFace::kDisplay, 48, false},
                       0xFFFFFF, platform::Alignment::kLeft, true);
    auto shot = ReadShot(app, "win");
    EXPECT_TRUE(SameRegion(*shot, 464, 352, expected, 0, 0, 225, 81));
}

TEST(EndScreens, BackToTheMenuReloadsTheGameWindowHiddenAndTheNextGameStartsFresh) {
    // Game 1 with the sound off: a kill, damage, Up and Right held as the player falls.
    RunResult r = RunHeadless(
        PitApp(), kUntilMenu +
                      "click izvelne Command2\nclick options Command3\nclick options Command2\n"
                      "click izvelne Command1\nkeydown Up\n" +
                      kKillFirstEnemy + kFallIntoPit +
                      "wait 500\nclick lose Command1\nwait 1000\nclick izvelne Command1\n"
                      "wait 10\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const TraceLine lastOfGame1 = TicksBetween(r, "show lose", "").at(0);
    ASSERT_EQ(lastOfGame1.Int("Score"), 50);
    ASSERT_EQ(lastOfGame1.Int("KeyRight"), -1);
    // The start button unloads the hidden game window and loads it afresh, as every start does
    // with a game window it finds loaded.
    EXPECT_EQ(EventsFrom(r, "load lose"),
              (std::vector<std::string>{
                  "load lose", "show lose", "load FrmMain", "unload lose", "load izvelne",
                  "sound muz/menu.wav", "show izvelne", "unload izvelne", "unload FrmMain",
                  "load FrmPics", "load FrmMain", "sound muz/level1.wav", "show FrmMain", "end"}));
    // The reloaded game window stays hidden and still until the start button.
    EXPECT_TRUE(NoTickAfter(r, "load lose", "unload izvelne"));
    const TraceLine first = TicksAfterLast(r, "show FrmMain").at(0);
    EXPECT_EQ(first.Int("Score"), 0);
    EXPECT_EQ(first.Str("score"), "0");
    EXPECT_EQ(first.Str("HP"), "100");
    EXPECT_EQ(first.Str("level"), "1");
    EXPECT_EQ(first.Int("EnemyHP1"), 100);
    EXPECT_EQ(first.Actor(2, "X"), 700);
    EXPECT_EQ(first.Int("SoundOption"), 1);
    // The start button clears the play keys but not Up and Down.
    EXPECT_EQ(first.Int("KeyRight"), 0);
    EXPECT_EQ(first.Int("KeyUp"), -1);
}

TEST(EndScreens, VictoryBackToTheMenuPlaysTheMenuMusic) {
    RunResult r = RunHeadless(LongFlatApp(), kThroughBothLevels + "click win Command1\nwait 1000\n",
                              {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "show win"),
              (std::vector<std::string>{"show win", "load FrmMain", "unload win", "load izvelne",
                                        "sound muz/menu.wav", "show izvelne", "end"}));
    EXPECT_TRUE(NoTickAfter(r, "show win", ""));
}

TEST(EndScreens, ExitButtonsEndTheProcessAtOnce) {
    struct Case {
        TempApp& app;
        std::string script, form;
    };
    const Case cases[] = {
        {LongFlatApp(), kPlayLevel1 + "wait 700\nclick aik Command2\n", "aik"},
        {LongFlatApp(), kThroughBothLevels + "wait 700\nclick win Command2\n", "win"},
        {PitApp(), kFallIntoPit + "wait 700\nclick lose Command2\n", "lose"},
    };
    for (const Case& c : cases) {
        RunResult r =
            RunHeadless(c.app, c.script + "wait 3000\nclick izvelne Command1\n", {"--warp", "1"});
        ASSERT_EQ(r.status, 0) << c.form << r.errors;
        std::vector<std::string> tail = EventsFrom(r, "show " + c.form);
        ASSERT_GE(tail.size(), 3u) << c.form;
        EXPECT_EQ(std::vector<std::string>(tail.end() - 2, tail.end()),
                  (std::vector<std::string>{"sound muz/silence.wav", "end"}))
            << c.form;
        EXPECT_FALSE(r.HasEvent("load izvelne")) << c.form;
        EXPECT_EQ(EventTime(r, "end") - EventTime(r, "show " + c.form) >= 700, true) << c.form;
        EXPECT_LT(EventTime(r, "end"), r.LastTick().Int("ms") + 3000) << c.form;
    }
}

TEST(EndScreens, ClosingBetweenLevelsLeavesTheStoppedGameWindowUntilItIsClosed) {
    RunResult r =
        RunHeadless(LongFlatApp(), kPlayLevel1 + "close aik\nwait 2000\nclose FrmMain\nwait 5000\n",
                    {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "show aik"),
              (std::vector<std::string>{"show aik", "unload aik", "unload FrmPics",
                                        "unload FrmMain", "end"}));
    EXPECT_TRUE(NoTickAfter(r, "show aik", ""));
    EXPECT_EQ(EventTime(r, "end") - EventTime(r, "unload aik"), 2000);
    EXPECT_EQ(r.LastTick().Str("level"), "1");
}

TEST(EndScreens, ClosingVictoryOrDefeatEndsTheProcess) {
    RunResult won =
        RunHeadless(LongFlatApp(), kThroughBothLevels + "close win\nwait 5000\n", {"--warp", "1"});
    ASSERT_EQ(won.status, 0) << won.errors;
    EXPECT_EQ(EventsFrom(won, "show win"),
              (std::vector<std::string>{"show win", "unload win", "end"}));
    RunResult lost =
        RunHeadless(PitApp(), kFallIntoPit + "wait 100\nclose lose\nwait 5000\n", {"--warp", "1"});
    ASSERT_EQ(lost.status, 0) << lost.errors;
    EXPECT_EQ(EventsFrom(lost, "show lose"),
              (std::vector<std::string>{"show lose", "unload lose", "end"}));
    EXPECT_EQ(EventTime(lost, "end"), EventTime(lost, "unload lose"));
}
