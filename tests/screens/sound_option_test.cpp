// The options screen's sound switch and what each screen then plays; the about screen.
#include <gtest/gtest.h>

#include "screens/screen_flows.hpp"

using namespace testsupport;
using namespace screentest;

namespace {

const std::string kSoundOff =
    "click izvelne Command2\nclick options Command3\nclick options Command2\n";

bool IsGrey(const platform::Surface& s, int x, int y, int w, int h) {
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx) {
            uint32_t c = s.At(xx, yy);
            if (((c >> 16) & 0xFF) != (c & 0xFF) || ((c >> 8) & 0xFF) != (c & 0xFF))
                return false;
        }
    return true;
}

}  // namespace

TEST(SoundOption, OffKeepsTheMenuMusicAndSilencesLevelMusicAndTheDefeatJingle) {
    RunResult r = RunHeadless(PitApp(), kUntilMenu + kSoundOff + "click izvelne Command1\n" +
                                            kFallIntoPit + "wait 100\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(r.HasEvent("show lose"));
    EXPECT_EQ(Sounds(r), (std::vector<std::string>{"muz/menu.wav"}));
    EXPECT_EQ(r.Tick(1).Int("SoundOption"), 0);
}

TEST(SoundOption, OnByDefaultPlaysLevelMusicAndTheDefeatJingle) {
    RunResult r = RunHeadless(
        PitApp(), kUntilMenu + "click izvelne Command1\n" + kFallIntoPit + "wait 100\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(Sounds(r),
              (std::vector<std::string>{"muz/menu.wav", "muz/level1.wav", "muz/game_over.wav"}));
}

TEST(SoundOption, OffStillStopsMusicBetweenLevelsAndPlaysTheVictoryMusic) {
    RunResult r = RunHeadless(LongFlatApp(), kUntilMenu + kSoundOff + "click izvelne Command1\n" +
                                                 kPlayLevel1 + "click aik Command1\n" +
                                                 kWalkLevel2 + "wait 100\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(r.HasEvent("show win"));
    EXPECT_EQ(Sounds(r),
              (std::vector<std::string>{"muz/menu.wav", "muz/silence.wav", "muz/win.wav"}));
}

TEST(SoundOption, SwitchDisablesThePressedButtonAndEnablesBothOnEveryLoad) {
    TempApp& app = LongFlatApp();
    auto shot = [&](const std::string& name) {
        return "screenshot " + ShotPath(app, name) + " options\n";
    };
    RunResult r = RunHeadless(
        app, kUntilMenu + "click izvelne Command2\n" + shot("fresh") + "click options Command3\n" +
                 shot("off") + "click options Command3\nclick options Command1\n" + shot("on") +
                 "click options Command2\nclick izvelne Command2\n" + shot("reopened") +
                 "click options Command3\nclick options Command2\nclick izvelne Command1\n"
                 "wait 10\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    auto fresh = ReadShot(app, "fresh"), off = ReadShot(app, "off"), on = ReadShot(app, "on");
    // Command3 (232, 96, 169 x 89) is greyed once pressed; Command1 stays in colour.
    EXPECT_TRUE(IsGrey(*off, 232, 96, 169, 89));
    EXPECT_TRUE(SameRegion(*off, 56, 96, *fresh, 56, 96, 169, 89));
    EXPECT_FALSE(IsGrey(*fresh, 232, 96, 169, 89));
    // Sound on swaps them.
    EXPECT_TRUE(IsGrey(*on, 56, 96, 169, 89));
    EXPECT_TRUE(SameRegion(*on, 232, 96, *fresh, 232, 96, 169, 89));
    // Loaded again, both are enabled whatever the option holds.
    EXPECT_TRUE(SameRegion(*ReadShot(app, "reopened"), 0, 0, *fresh, 0, 0, 464, 326));
    // The options screen plays nothing; its back button found the menu loaded.
    EXPECT_EQ(Sounds(r), (std::vector<std::string>{"muz/menu.wav"}));
    EXPECT_EQ(r.Tick(1).Int("SoundOption"), 0);
}

TEST(SoundOption, BackFromOptionsOverARunningGameReloadsTheMenuAndTurnsSoundOn) {
    RunResult r = RunHeadless(LongFlatApp(), kUntilMenu +
                                                 "click izvelne Command2\nclick options Command3\n"
                                                 "click izvelne Command1\nwait 100\n"
                                                 "click options Command2\nwait 100\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(Sounds(r), (std::vector<std::string>{"muz/menu.wav", "muz/menu.wav"}));
    EXPECT_EQ(r.Tick(10).Int("SoundOption"), 0);
    EXPECT_EQ(r.LastTick().Int("SoundOption"), 1);
    // The game goes on beneath the menu.
    EXPECT_EQ(r.Ticks().size(), 20u);
}

TEST(About, OpensBesideTheMenuAndBackClosesOnlyItself) {
    RunResult r = RunHeadless(LongFlatApp(), kUntilMenu +
                                                 "click izvelne Command4\nwait 100\n"
                                                 "click izvelne Command4\nclick about Command1\n"
                                                 "wait 100\nclick izvelne Command1\nwait 10\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "show izvelne"),
              (std::vector<std::string>{"show izvelne", "load about", "show about", "unload about",
                                        "unload izvelne", "load FrmPics", "load FrmMain",
                                        "sound muz/level1.wav", "show FrmMain", "end"}));
}
