// Keys from play never act on the screen that opens under the player's hands: a key held from
// play does nothing there until released, a screen that opens by itself takes no key or pad
// press for its first 0.75 s, repeats only move the focus, and the first focus is the button
// that keeps the game going.
#include <gtest/gtest.h>

#include <sstream>

#include "screens/screen_flows.hpp"

using namespace testsupport;
using namespace screentest;

namespace {

// The game time a script fragment takes: the sum of its waits.
int64_t WaitsOf(const std::string& script) {
    std::istringstream in(script);
    int64_t total = 0;
    for (std::string word; in >> word;)
        if (word == "wait") {
            int64_t ms = 0;
            in >> ms;
            total += ms;
        }
    return total;
}

// A screen that opens by itself during play, reached with a key or pad control held down.
struct ScreenOpenedByPlay {
    const char* name;
    TempApp& (*app)();
    std::vector<std::string> args;
    std::string untilHandsDown;  // the play before the hands go down
    std::string handsDown;       // what stays held until the screen is open
    const char* screen;
};

// The play of `s`, up to `afterMs` after its screen opened (the hands still down).
std::string UntilAfterOpening(const ScreenOpenedByPlay& s, int64_t afterMs) {
    const std::string lead = s.untilHandsDown + s.handsDown;
    const RunResult probe = RunHeadless(s.app(), lead + "wait 30000\n", s.args);
    const int64_t opened = EventTime(probe, std::string("show ") + s.screen);
    EXPECT_GT(opened, 0) << s.name << ": the screen never opened";
    return lead + "wait " + std::to_string(opened + afterMs - WaitsOf(lead)) + "\n";
}

std::string Tap(const std::string& key) {
    return "keydown " + key + "\nkeyup " + key + "\n";
}
std::string Repeats(const std::string& key, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += "keyrepeat " + key + "\n";
    return out;
}
std::string PadTap(const std::string& button) {
    return "pad " + button + " down\npad " + button + " up\n";
}

const std::vector<ScreenOpenedByPlay>& ScreensOpenedByPlay() {
    static const std::vector<ScreenOpenedByPlay> screens = {
        {"defeat", PitApp, {"--warp", "1"}, "", "keydown Right\n", "lose"},
        {"between_levels", LongFlatApp, {"--warp", "1"}, kKillFirstEnemy, "keydown Right\n", "aik"},
        {"victory", LongFlatApp, {"--warp", "2"}, "", "keydown Right\n", "win"},
        {"defeat_pad", PitApp, {"--warp", "1"}, "pad add\n", "pad DpadRight down\n", "lose"},
        {"victory_pad", LongFlatApp, {"--warp", "2"}, "pad add\n", "pad DpadRight down\n", "win"},
    };
    return screens;
}

bool IsPad(const ScreenOpenedByPlay& s) {
    return s.handsDown.rfind("pad", 0) == 0;
}

// The screen's own buttons were never pressed: the process ran to the script's end, no other
// screen came up, and the screen itself is still open.
void ExpectScreenStays(const ScreenOpenedByPlay& s, const RunResult& r, int64_t scriptMs) {
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventTime(r, "end"), scriptMs) << s.name << ": the game ended early";
    const std::vector<std::string> after = EventsFrom(r, std::string("show ") + s.screen);
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after, (std::vector<std::string>{after.front(), "end"})) << s.name;
}

TEST(ScreenEntry, KeysInTheFirstMomentOfAScreenThatOpenedDuringPlayDoNothing) {
    for (const ScreenOpenedByPlay& s : ScreensOpenedByPlay()) {
        // The hands keep moving as in play: the held control is let go and pressed afresh,
        // repeats, and a jump or fire press follows, all within 0.75 s of the screen opening.
        std::string hands;
        if (IsPad(s))
            hands = "pad DpadRight up\nwait 30\npad DpadRight down\nwait 300\n" + PadTap("A") +
                    "wait 100\n" + PadTap("A") + PadTap("Start") + "wait 100\n";
        else
            hands = "keyup Right\nwait 30\nkeydown Right\nwait 500\n" + Repeats("Right", 3) +
                    Tap("Space") + Tap("Return") + "wait 100\n";
        const std::string script = UntilAfterOpening(s, 50) + hands;
        ExpectScreenStays(s, RunHeadless(s.app(), script, s.args), WaitsOf(script));
    }
}

TEST(ScreenEntry, AControlHeldFromPlayNeverWorksTheButtonsOnlyFreshPressesDo) {
    for (const ScreenOpenedByPlay& s : ScreensOpenedByPlay()) {
        // Held from play the whole time: its repeats (keyboard) do nothing, even after the first
        // moment; two fresh jump-key taps then show the safe button and press it.
        const std::string held = IsPad(s) ? "" : Repeats("Right", 4);
        const std::string taps = IsPad(s) ? PadTap("A") + "wait 50\n" + PadTap("A")
                                          : Tap("Space") + "wait 50\n" + Tap("Space");
        const std::string script = UntilAfterOpening(s, 50) + held + "wait 800\n" + held + taps +
                                   "wait 100\n" + held + taps + "wait 100\n";
        const RunResult r = RunHeadless(s.app(), script, s.args);
        ASSERT_EQ(r.status, 0) << r.errors;
        // Never out of the game, never on to a screen the player did not aim at.
        EXPECT_EQ(EventTime(r, "end"), WaitsOf(script)) << s.name << ": the game ended";
        EXPECT_FALSE(r.HasEvent("show about")) << s.name;
        EXPECT_FALSE(r.HasEvent("show options")) << s.name;
        const std::vector<std::string> after = EventsFrom(r, std::string("show ") + s.screen);
        if (std::string(s.screen) == "aik")
            EXPECT_EQ(r.LastTick().Str("level"), "2") << s.name << ": the next level starts";
        else
            EXPECT_NE(std::find(after.begin(), after.end(), "show izvelne"), after.end())
                << s.name << ": the to-menu button takes the player to the menu";
    }
}

TEST(ScreenEntry, ADeliberatePlayerReachesTheButtonAimedAtAfterTheFirstMoment) {
    const ScreenOpenedByPlay& defeat = ScreensOpenedByPlay().front();
    const std::string open = UntilAfterOpening(defeat, 50) + "keyup Right\nwait 800\n";
    const RunResult toMenu =
        RunHeadless(PitApp(), open + Tap("Tab") + Tap("Return") + "wait 50\n", defeat.args);
    ASSERT_EQ(toMenu.status, 0) << toMenu.errors;
    EXPECT_EQ(EventsFrom(toMenu, "unload lose"),
              (std::vector<std::string>{"unload lose", "load izvelne", "sound muz/menu.wav",
                                        "show izvelne", "end"}));
    const std::string outScript = open + Tap("Down") + Tap("Down") + Tap("Return") + "wait 500\n";
    const RunResult out = RunHeadless(PitApp(), outScript, defeat.args);
    ASSERT_EQ(out.status, 0) << out.errors;
    EXPECT_EQ(EventsFrom(out, "show lose").back(), "end");
    EXPECT_LT(EventTime(out, "end"), WaitsOf(outScript)) << "the exit button ends the game";
}

// Where each screen shows its first focus: the button that keeps the game going.
struct FirstFocus {
    const char* form;
    const char* safeButton;
    TempApp& (*app)();
    std::string (*reach)();
    std::vector<std::string> args;
};

std::string ReachMenu() {
    return kUntilMenu;
}
std::string ReachOptions() {
    return kUntilMenu + "click izvelne Command2\n";
}
std::string ReachAbout() {
    return kUntilMenu + "click izvelne Command4\n";
}
std::string ReachBetweenLevels() {
    return kPlayLevel1 + "wait 1000\n";
}
std::string ReachVictory() {
    return kWalkLevel2 + "wait 1000\n";
}
std::string ReachDefeat() {
    return kFallIntoPit + "keyup Right\nwait 1000\n";
}

TEST(ScreenEntry, TheFirstFocusIsTheSafeButtonWhicheverNavigationKeyComesFirst) {
    const std::vector<FirstFocus> screens = {
        {"izvelne", "Command1", LongFlatApp, ReachMenu, {}},                    // start
        {"options", "Command2", LongFlatApp, ReachOptions, {}},                 // back
        {"about", "Command1", LongFlatApp, ReachAbout, {}},                     // back
        {"aik", "Command1", LongFlatApp, ReachBetweenLevels, {"--warp", "1"}},  // continue
        {"win", "Command1", LongFlatApp, ReachVictory, {"--warp", "2"}},        // to the menu
        {"lose", "Command1", PitApp, ReachDefeat, {"--warp", "1"}},             // to the menu
    };
    // Each first press, then a mouse move over the bare form, which forgets the focus again.
    const std::vector<std::pair<std::string, std::string>> firstPresses = {
        {"Down", Tap("Down")},
        {"Up", Tap("Up")},
        {"Left", Tap("Left")},
        {"Right", Tap("Right")},
        {"Tab", Tap("Tab")},
        {"Shift+Tab", "keydown Left Shift\n" + Tap("Tab") + "keyup Left Shift\n"},
        {"Return", Tap("Return")},
        {"Space", Tap("Space")},
        {"pad DpadUp", PadTap("DpadUp")},
        {"pad DpadLeft", PadTap("DpadLeft")},
        {"pad stick up", "pad axis LeftY -32767\npad axis LeftY 0\n"},
        {"pad A", PadTap("A")},
        {"pad Start", PadTap("Start")},
    };
    for (const FirstFocus& s : screens) {
        TempApp& app = s.app();
        const std::string form = s.form;
        std::string script = s.reach() + "pad add\n" + "move " + form + " " + s.safeButton +
                             "\nscreenshot " + ShotPath(app, form + "_safe") + " " + form +
                             "\nmove " + form + "\n";
        for (size_t i = 0; i < firstPresses.size(); ++i)
            script += firstPresses[i].second + "screenshot " +
                      ShotPath(app, form + std::to_string(i)) + " " + form + "\nmove " + form +
                      "\n";
        const RunResult r = RunHeadless(app, script, s.args);
        ASSERT_EQ(r.status, 0) << form << ": " << r.errors;
        const auto safe = ReadShot(app, form + "_safe");
        ASSERT_TRUE(safe) << form;
        for (size_t i = 0; i < firstPresses.size(); ++i) {
            const auto shot = ReadShot(app, form + std::to_string(i));
            ASSERT_TRUE(shot) << form << " after " << firstPresses[i].first;
            EXPECT_TRUE(*shot == *safe) << form << ": the first " << firstPresses[i].first
                                        << " does not show the focus on " << s.safeButton;
        }
    }
}

}  // namespace
