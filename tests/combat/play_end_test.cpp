// Ends of play through the built game on small test levels: the fall limit, the far end of
// each level, and a whole run that walks, jumps, shoots an enemy dead and falls into a pit.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "support/headless_run.hpp"

using namespace testsupport;

namespace {

constexpr int kPlayerWidth = 46;
// The grid takes the mask picture's outer size: the picture plus a 2-pixel border each side.
constexpr int kBorder = 4;

// Level 1 and level 2 as flat floors of the given sizes.
std::unique_ptr<TempApp> FlatLevels(int width1, int floor1, int width2, int floor2) {
    auto app = std::make_unique<TempApp>();
    TestLevel l1 = FlatLevel(width1, 600, floor1);
    app->WriteLevel("level1", l1.map, l1.mask);
    TestLevel l2 = FlatLevel(width2, 600, floor2);
    app->WriteLevel("level2", l2.map, l2.mask);
    return app;
}

size_t EventIndex(const RunResult& r, const std::string& event) {
    const auto events = r.Events();
    return size_t(std::find(events.begin(), events.end(), event) - events.begin());
}

}  // namespace

TEST(PlayEnd, StandingWithTheTopAtRow480GoesOnAndAt481IsADefeat) {
    // Standing, the top of the sprite is one row above the combat step's view of it on every
    // other tick (gravity pulls one pixel before combat, the landing lifts it back after).
    auto safe = FlatLevels(1000, 545, 1000, 545);
    RunResult r = RunHeadless(*safe, "wait 1500\n", {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.LastTick().Actor(1, "Y"), 479);
    EXPECT_EQ(r.LastTick().Int("tick"), 150);
    EXPECT_FALSE(r.HasEvent("load lose"));

    auto deep = FlatLevels(1000, 546, 1000, 546);
    r = RunHeadless(*deep, "wait 1500\n", {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(r.HasEvent("show lose"));
    EXPECT_LT(EventIndex(r, "unload FrmMain"), EventIndex(r, "load lose"));
    EXPECT_LT(r.LastTick().Int("tick"), 150);
}

TEST(PlayEnd, LevelOneEndsPastX9910WithTheGameWindowKept) {
    // The floor keeps the player's box clear of the enemies and their shots at row 390, also
    // on the ticks where gravity has pulled it one pixel down.
    const std::string walk = "keydown Right\nwait 17500\n";
    auto stop = FlatLevels(9910 + kPlayerWidth - kBorder, 380, 1000, 380);
    RunResult r = RunHeadless(*stop, walk, {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.LastTick().Actor(1, "X"), 9910);  // held at the map's edge
    EXPECT_EQ(r.LastTick().Int("tick"), 1750);
    EXPECT_FALSE(r.HasEvent("load aik"));

    auto pass = FlatLevels(9911 + kPlayerWidth - kBorder, 380, 1000, 380);
    r = RunHeadless(*pass, walk, {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.LastTick().Actor(1, "X"), 9911);
    EXPECT_LT(r.LastTick().Int("tick"), 1750);  // the ticks stopped
    EXPECT_TRUE(r.HasEvent("show aik"));
    EXPECT_FALSE(r.HasEvent("unload FrmMain"));
    EXPECT_EQ(r.LastTick().Str("HP"), "100");
}

TEST(PlayEnd, LevelTwoEndsPastX11910WithVictory) {
    // Level 2's floor at 476 puts the player below its enemies' boxes and shots.
    const std::string walk = "keydown Right\nwait 20500\n";
    auto stop = FlatLevels(1000, 380, 11910 + kPlayerWidth - kBorder, 476);
    RunResult r = RunHeadless(*stop, walk, {"--warp", "2"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.LastTick().Str("level"), "2");
    EXPECT_EQ(r.LastTick().Actor(1, "X"), 11910);
    EXPECT_FALSE(r.HasEvent("load win"));

    auto pass = FlatLevels(1000, 380, 11911 + kPlayerWidth - kBorder, 476);
    r = RunHeadless(*pass, walk, {"--warp", "2"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(r.HasEvent("show win"));
    EXPECT_LT(EventIndex(r, "unload FrmMain"), EventIndex(r, "load win"));
    EXPECT_EQ(r.LastTick().Actor(1, "X"), 11911);
}

TEST(PlayEnd, WalkJumpShootAnEnemyDeadThenFallIntoAPit) {
    TempApp app;
    TestLevel l1 = FlatLevel(3000, 600, 460);  // shots at the player's height reach enemy 1
    AddGap(l1, 1000, 460, 100, 140);
    app.WriteLevel("level1", l1.map, l1.mask);
    app.WriteLevel("level2", l1.map, l1.mask);
    RunResult r = RunHeadless(app,
                              "wait 500\nkeydown Right\nwait 500\nkeyup Right\n"
                              "keydown Space\nwait 20\nkeyup Space\nwait 800\n"
                              "keydown Ctrl\nwait 10\nkeyup Ctrl\nwait 2000\n"
                              "keydown Right\nwait 3000\n",
                              {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    int64_t highest = 1000, killTick = 0;
    for (const TraceLine& t : r.Ticks()) {
        highest = std::min(highest, t.Actor(1, "Y"));
        if (killTick == 0 && t.Int("Score") == 50)
            killTick = t.Int("tick");
    }
    EXPECT_LT(highest, 394 - 200);  // the jump
    ASSERT_NE(killTick, 0);
    const TraceLine& kill = r.Tick(killTick);
    EXPECT_EQ(kill.Str("score"), "50");
    EXPECT_EQ(kill.Int("EnemyHP1"), 0);
    EXPECT_EQ(kill.Actor(2, "X"), -100);
    EXPECT_EQ(kill.Actor(2, "Y"), 0);
    EXPECT_EQ(r.Tick(killTick - 100).Int("EnemyHP1"), 99);  // lodged since then
    // Enemy 1 fired at the player before it died: 5 per hit.
    EXPECT_NE(kill.Str("HP"), "100");
    EXPECT_EQ(kill.Int("PlayerHealth") % 5, 0);
    // Into the pit: past row 480 the game window closes and the defeat screen opens.
    EXPECT_TRUE(r.HasEvent("show lose"));
    EXPECT_LT(EventIndex(r, "unload FrmMain"), EventIndex(r, "load lose"));
    EXPECT_GT(r.LastTick().Actor(1, "X"), 1000 - kPlayerWidth);
    EXPECT_GT(r.LastTick().Actor(1, "Y"), 480);
}

TEST(PlayEnd, TheSwampCanBeWalkedJumpedAndShotThroughUntilItsFirstPit) {
    TempApp app;
    app.UseBakedLevels();
    RunResult r = RunHeadless(app,
                              "wait 300\nkeydown Right\nwait 300\nkeydown Space\nwait 20\n"
                              "keyup Space\nwait 300\nkeyup Right\nwait 600\n"
                              "keydown Ctrl\nwait 10\nkeyup Ctrl\nwait 1500\n"
                              "keydown Right\nwait 4000\n",
                              {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    bool killed = false;
    for (const TraceLine& t : r.Ticks())
        killed = killed || (t.Str("score") == "50" && t.Actor(2, "X") == -100);
    EXPECT_TRUE(killed);
    EXPECT_TRUE(r.HasEvent("show lose"));
    EXPECT_GT(r.LastTick().Actor(1, "Y"), 480);
}
