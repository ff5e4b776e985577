// The main menu: a new game from the start button, the exit button, and the hover family.
#include <gtest/gtest.h>

#include "screens/screen_flows.hpp"

using namespace testsupport;
using namespace screentest;

TEST(Menu, StartSetsUpLevelOneCompletelyBeforeTheFirstTick) {
    RunResult r = RunHeadless(LongFlatApp(), kUntilMenu + "click izvelne Command1\nwait 30\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "unload izvelne"),
              (std::vector<std::string>{"unload izvelne", "load FrmPics", "load FrmMain",
                                        "sound muz/level1.wav", "show FrmMain", "end"}));
    // No tick line before the game window is shown, i.e. before the set-up finished.
    bool shown = false;
    for (const TraceLine& l : r.trace) {
        shown = shown || l.raw.find("\"show\",\"form\":\"FrmMain\"") != std::string::npos;
        if (l.IsTick()) {
            EXPECT_TRUE(shown) << l.raw;
        }
    }
    ASSERT_EQ(r.Ticks().size(), 3u);
    const TraceLine& first = r.Tick(1);
    EXPECT_EQ(first.Str("HP"), "100");
    EXPECT_EQ(first.Str("level"), "1");
    EXPECT_EQ(first.Str("score"), "0");
    EXPECT_EQ(first.Int("SoundOption"), 1);
    EXPECT_EQ(first.Int("Score"), 0);
    EXPECT_EQ(first.Int("EnemyHP3"), 100);
    // Four actors: the player and the level 1 enemies at their places.
    EXPECT_EQ(first.Actor(2, "X"), 700);
    EXPECT_EQ(first.Actor(3, "X"), 2200);
    EXPECT_EQ(first.Actor(4, "X"), 7000);
    EXPECT_EQ(first.Actor(4, "Width"), 63);
    EXPECT_EQ(first.Actor(1, "Width"), 46);
}

TEST(Menu, ExitPlaysTheSilentClipAndEndsAtOnce) {
    RunResult r = RunHeadless(LongFlatApp(), kUntilMenu +
                                                 "wait 500\nclick izvelne Command3\n"
                                                 "wait 5000\nclick izvelne Command1\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "show izvelne"),
              (std::vector<std::string>{"show izvelne", "sound muz/silence.wav", "end"}));
    EXPECT_EQ(EventTime(r, "end"), 10500);
    EXPECT_TRUE(r.Ticks().empty());
}

TEST(Menu, HoverShowsTheHoverImageUntilTheMouseIsOverTheBareForm) {
    TempApp& app = LongFlatApp();
    auto shot = [&](const std::string& name) {
        return "screenshot " + ShotPath(app, name) + " izvelne\n";
    };
    RunResult r = RunHeadless(app, kUntilMenu + shot("normal") + "move izvelne Command1\n" +
                                       shot("hover") + "move izvelne Picture1\n" +
                                       shot("over_holder") + "move izvelne Command4\n" +
                                       shot("two_hovers") + "move izvelne\n" + shot("restored"));
    ASSERT_EQ(r.status, 0) << r.errors;
    auto normal = ReadShot(app, "normal"), hover = ReadShot(app, "hover");
    auto startHover = BuiltPicture("button_start_hover.png");
    auto startNormal = BuiltPicture("button_start.png");
    // Command1 (169 x 97 at 312, 120) shows its 152 x 86 picture centred and clipped.
    EXPECT_TRUE(SameRegion(*normal, 312 + 8, 120 + 5, *startNormal, 0, 0, 152, 86));
    EXPECT_TRUE(SameRegion(*hover, 312 + 8, 120 + 5, *startHover, 0, 0, 152, 86));
    // Only the button under the mouse changed.
    EXPECT_TRUE(SameRegion(*hover, 0, 0, *normal, 0, 0, 794, 120));
    EXPECT_TRUE(SameRegion(*hover, 0, 217, *normal, 0, 217, 794, 575 - 217));
    // Moving onto an image holder keeps the hover image; a second button lights up too.
    EXPECT_TRUE(SameRegion(*ReadShot(app, "over_holder"), 0, 0, *hover, 0, 0, 794, 575));
    auto two = ReadShot(app, "two_hovers");
    EXPECT_TRUE(SameRegion(*two, 312, 120, *hover, 312, 120, 169, 97));
    EXPECT_FALSE(SameRegion(*two, 312, 344, *normal, 312, 344, 169, 97));
    // The bare form puts every normal image back.
    EXPECT_TRUE(SameRegion(*ReadShot(app, "restored"), 0, 0, *normal, 0, 0, 794, 575));
    // Hovering changes no state and plays nothing.
    EXPECT_EQ(Sounds(r), (std::vector<std::string>{"muz/menu.wav"}));
}
