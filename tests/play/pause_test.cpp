// Pause: P, Pause and the pad's Start stop the game timer while a level plays; nothing in the
// world changes, the picture on the way to the screen is dimmed with "PAUSED", and the game
// goes on afterwards exactly as it would have without the pause.
#include <gtest/gtest.h>

#include <fstream>

#include "screens/screen_flows.hpp"

using namespace testsupport;
using namespace screentest;

namespace {

std::string PressLines(const std::string& key) {
    return "keydown " + key + "\nkeyup " + key + "\n";
}

// A tick line without its time: what the world was on that tick.
std::string WithoutTime(const TraceLine& t) {
    return t.raw.substr(t.raw.find(','));
}

std::vector<std::string> States(const RunResult& r) {
    std::vector<std::string> out;
    for (const TraceLine& t : r.Ticks()) out.push_back(WithoutTime(t));
    return out;
}

// Whether any tick ran between the first event `from` and the first `to` after it.
bool TickBetween(const RunResult& r, const std::string& from, const std::string& to) {
    const int64_t a = EventTime(r, from), b = EventTime(r, to);
    for (const TraceLine& t : r.Ticks())
        if (t.Int("ms") > a && t.Int("ms") <= b)
            return true;
    return false;
}

const std::vector<std::string> kWarp1{"--warp", "1"};

}  // namespace

TEST(Pause, NoTickRunsWhilePausedAndPlayGoesOnAsIfThePauseHadNotBeen) {
    TempApp& app = LongFlatApp();
    // Walking right and firing: every tick changes something.
    const std::string start = "keydown Right\nkeydown Ctrl\nwait 500\n";
    RunResult paused =
        RunHeadless(app,
                    start + PressLines("P") + "wait 3000\n" + PressLines("Pause") + "wait 500\n" +
                        "screenshot " + ShotPath(app, "after") + " FrmMain\n",
                    kWarp1);
    RunResult plain = RunHeadless(
        app, start + "wait 500\nscreenshot " + ShotPath(app, "plain") + " FrmMain\n", kWarp1);
    ASSERT_EQ(paused.status, 0) << paused.errors;
    ASSERT_EQ(plain.status, 0) << plain.errors;
    EXPECT_EQ(EventTime(paused, "pause"), 500);
    EXPECT_EQ(EventTime(paused, "resume"), 3500);
    EXPECT_FALSE(TickBetween(paused, "pause", "resume"));
    // The same ticks with the same world, only later; and the same picture at the end.
    EXPECT_EQ(States(paused), States(plain));
    EXPECT_EQ(paused.Ticks().size(), 100u);
    EXPECT_EQ(*ReadShot(app, "after"), *ReadShot(app, "plain"));
    EXPECT_FALSE(plain.HasEvent("pause"));
}

TEST(Pause, TheOverlayIsOnlyOnTheWayToTheScreenAndTheFrameAfterResumingIsUnchanged) {
    TempApp& app = LongFlatApp();
    auto shot = [&](const std::string& name) {
        return "screenshot " + ShotPath(app, name) + " FrmMain\n";
    };
    RunResult r = RunHeadless(app,
                              "keydown Right\nwait 300\n" + shot("before") + PressLines("P") +
                                  "wait 200\n" + shot("paused") + PressLines("P") + shot("resumed"),
                              kWarp1);
    ASSERT_EQ(r.status, 0) << r.errors;
    auto before = ReadShot(app, "before"), paused = ReadShot(app, "paused");
    ASSERT_TRUE(before && paused);
    // Dimmed to half, with the white text over the middle of the window.
    EXPECT_EQ(paused->At(5, 5), (before->At(5, 5) >> 1) & 0x7F7F7F);
    bool white = false;
    for (int x = 300; x < 500 && !white; ++x)
        for (int y = 250; y < 330 && !white; ++y) white = paused->At(x, y) == 0xFFFFFF;
    EXPECT_TRUE(white);
    // Resuming shows the game's own picture again, untouched by the overlay.
    EXPECT_EQ(*ReadShot(app, "resumed"), *before);
}

TEST(Pause, LosingFocusPausesAndOnlyPStartOrAClickInTheGameWindowResumes) {
    TempApp& app = LongFlatApp();
    RunResult r = RunHeadless(app,
                              "wait 200\nblur\nwait 300\nfocus FrmMain\nwait 300\n"
                              "click FrmMain PlayArea\nwait 200\n"
                              "pad add\npad Start down\npad Start up\nwait 300\n"
                              "pad Start down\nwait 100\n",
                              kWarp1);
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "blur"),
              (std::vector<std::string>{"blur", "pause", "focus FrmMain", "resume", "pad-added 1",
                                        "pause", "resume", "end"}));
    EXPECT_EQ(EventTime(r, "resume"), 800);  // the click, not the focus coming back
    EXPECT_FALSE(TickBetween(r, "blur", "resume"));
    // The setting off: focus comes and goes, play goes on.
    const auto settings = app.dir() / "no_focus_pause.ini";
    std::ofstream(settings) << "[input]\npause_on_focus_loss = false\n";
    RunResult off = RunHeadless(app, "wait 200\nblur\nwait 300\n",
                                {"--warp", "1", "--settings", settings.string()});
    ASSERT_EQ(off.status, 0) << off.errors;
    EXPECT_FALSE(off.HasEvent("pause"));
    EXPECT_EQ(off.Ticks().size(), 50u);
}

TEST(Pause, AnotherWindowLosingFocusOrAHeldPRepeatingLeavesPlayRunning) {
    RunResult r = RunHeadless(LongFlatApp(),
                              "wait 100\nblur izvelne\nkeydown P\nkeyrepeat P\nkeyrepeat P\n"
                              "wait 100\nkeyup P\nkeydown Pause\nwait 100\n",
                              kWarp1);
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "blur izvelne"),
              (std::vector<std::string>{"blur izvelne", "pause", "resume", "end"}));
    EXPECT_EQ(EventTime(r, "resume"), 200);
    EXPECT_EQ(r.Ticks().size(), 20u);
}

TEST(Pause, AKeyReleasedWhilePausedClearsItsFlagAndAKeyPressedThenIsNotSeen) {
    RunResult r = RunHeadless(LongFlatApp(),
                              "keydown Right\nwait 100\n" + PressLines("P") +
                                  "keyup Right\nkeydown Left\nkeydown Space\nwait 100\n" +
                                  PressLines("P") + "wait 10\n",
                              kWarp1);
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.Ticks().size(), 11u);
    EXPECT_EQ(r.Tick(10).Int("KeyRight"), -1);
    const TraceLine& after = r.Tick(11);
    EXPECT_EQ(after.Int("KeyRight"), 0);
    EXPECT_EQ(after.Int("KeyLeft"), 0);
    EXPECT_EQ(after.Int("KeyJump"), 0);
}

TEST(Pause, OutsidePlayPDoesNothingAndMuteTogglesWithoutTouchingTheMusicOption) {
    RunResult r = RunHeadless(LongFlatApp(), kUntilMenu + PressLines("P") + PressLines("M") +
                                                 "click izvelne Command1\nwait 100\n" + PressLines("M") +
                                                 "wait 100\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_FALSE(r.HasEvent("pause"));
    EXPECT_EQ(EventsFrom(r, "mute"),
              (std::vector<std::string>{"mute", "unload izvelne", "load FrmPics", "load FrmMain",
                                        "sound muz/level1.wav", "show FrmMain", "unmute", "end"}));
    // The screens still choose what plays, and the option is the menu's.
    for (const TraceLine& t : r.Ticks()) EXPECT_EQ(t.Int("SoundOption"), 1);
}
