// Whole ticks through the built game on small test levels: falling and standing, the jump
// arc, walking through a wall and against the map's edges, the shot slots, and Escape.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/headless_run.hpp"

using namespace testsupport;

namespace {

constexpr int kFloorRow = 400;

// A 2000 x 600 level 1: floor from row 400, a wall x 300..339 standing 300 pixels tall.
TempApp& FloorApp() {
    static TempApp app;
    static bool once = [] {
        TestLevel l1 = FlatLevel(2000, 600, kFloorRow);
        AddSolid(l1, 300, kFloorRow - 300, 40, 300);
        app.WriteLevel("level1", l1.map, l1.mask);
        TestLevel l2 = FlatLevel(2000, 600, kFloorRow);
        app.WriteLevel("level2", l2.map, l2.mask);
        return true;
    }();
    (void)once;
    return app;
}

RunResult RunOnFloor(const std::string& script) {
    RunResult r = RunHeadless(FloorApp(), script, {"--warp", "1"});
    EXPECT_EQ(r.status, 0) << r.errors;
    return r;
}

int64_t PlayerY(const TraceLine& t) {
    return t.Actor(1, "Y");
}
int64_t PlayerX(const TraceLine& t) {
    return t.Actor(1, "X");
}

}  // namespace

TEST(PlayFlow, FallLandStandThenJumpTheFullArc) {
    RunResult r = RunOnFloor("wait 1000\nkeydown Space\nwait 20\nkeyup Space\nwait 600\n");
    // From Y 10 at rest: the first tick steps once (the window starts with walk frame 1),
    // then every tick moves one pixel of gravity plus two steps of the new speed.
    EXPECT_EQ(PlayerY(r.Tick(1)), 12);
    for (int t = 2; t <= 5; ++t)
        EXPECT_EQ(PlayerY(r.Tick(t)) - PlayerY(r.Tick(t - 1)), 2 * t + 1) << "tick " << t;
    // Landed: the feet on the last free row, the probe alternating, Y fixed.
    for (int t = 80; t <= 99; ++t) {
        EXPECT_EQ(PlayerY(r.Tick(t)), kFloorRow - 66) << "tick " << t;
        EXPECT_NE(r.Tick(t).Int("OnGround"), r.Tick(t + 1).Int("OnGround"));
    }
    // The take-off tick is the first with Space held and the feet in the ground at its start.
    int64_t takeOff = 0;
    for (const TraceLine& t : r.Ticks())
        if (t.Int("KeyJump") == -1 && PlayerY(t) != 334) {
            takeOff = t.Int("tick");
            break;
        }
    ASSERT_NE(takeOff, 0);
    EXPECT_LE(takeOff, 102);  // within two ticks of the press
    const std::vector<int64_t> rising = {301, 270, 241, 214, 189, 166, 145, 126, 109,
                                         94,  81,  70,  61,  54,  49,  46,  45};
    std::vector<int64_t> expected = rising;
    for (int i = int(rising.size()) - 2; i >= 0; --i) expected.push_back(rising[size_t(i)]);
    expected.push_back(334);
    std::vector<int64_t> arc;
    for (int64_t t = takeOff; t <= takeOff + 33; ++t) arc.push_back(PlayerY(r.Tick(t)));
    EXPECT_EQ(arc, expected);
    EXPECT_EQ(r.Tick(takeOff).Int("RunSpeed"), 7);
    EXPECT_EQ(r.Tick(takeOff + 34).Int("OnGround"), 1);
    EXPECT_EQ(PlayerY(r.Tick(takeOff + 34)), 334);
    EXPECT_EQ(r.Tick(takeOff + 35).Int("OnGround"), 0);
}

TEST(PlayFlow, WalkingPassesThroughAWallAndStopsAtTheMapsEdges) {
    RunResult r = RunOnFloor(
        "wait 500\nkeydown Right\nwait 4000\nkeyup Right\nkeydown Left\n"
        "wait 4000\nkeyup Left\nwait 100\n");
    const int64_t rightEdge = r.LastTick().Int("GridWidth") - 46;
    bool insideWall = false;
    int64_t maxX = 0;
    for (const TraceLine& t : r.Ticks()) {
        if (t.Int("tick") < 60)
            continue;
        const int64_t x = PlayerX(t);
        // Never lifted onto the wall's top: a foot probe inside it may let the player sink a
        // step or two until the centre probe lifts it back to the floor.
        EXPECT_GE(PlayerY(t), 334) << "tick " << t.Int("tick");
        EXPECT_LE(PlayerY(t), 336) << "tick " << t.Int("tick");
        insideWall = insideWall || (x + 46 > 300 && x < 340);
        maxX = std::max(maxX, x);
        EXPECT_GE(x, 0);
    }
    EXPECT_TRUE(insideWall);
    EXPECT_EQ(maxX, rightEdge);
    EXPECT_EQ(PlayerX(r.LastTick()), 0);
}

TEST(PlayFlow, ThreePressesFillTheSlotsAndAHeldFourthFiresWhenOneFrees) {
    std::string script = "wait 500\n";
    for (int press = 0; press < 3; ++press)
        script += "keydown Ctrl\nwait 10\nkeyup Ctrl\nwait 10\n";
    script += "keydown Ctrl\nwait 1500\nkeyup Ctrl\n";
    RunResult r = RunOnFloor(script);
    const TraceLine& full = r.Tick(58);
    EXPECT_EQ(full.Int("Shot1Active") + full.Int("Shot2Active") + full.Int("Shot3Active"), 3);
    EXPECT_LT(full.Int("Shot3X"), full.Int("Shot2X"));  // fired later, flown less
    EXPECT_LT(full.Int("Shot2X"), full.Int("Shot1X"));
    EXPECT_EQ(full.Int("KeyFire"), -1);  // the fourth press is still pending
    // Slot 1 leaves the band (x > 1000) and the pending press refires it in the next tick.
    int64_t retired = 0;
    for (const TraceLine& t : r.Ticks())
        if (t.Int("tick") > 58 && t.Int("Shot1Active") == 0) {
            retired = t.Int("tick");
            break;
        }
    ASSERT_NE(retired, 0);
    EXPECT_GT(r.Tick(retired).Int("Shot1X"), 1000);
    EXPECT_EQ(r.Tick(retired).Int("Shot1Y"), -100);
    const TraceLine& refired = r.Tick(retired + 1);
    EXPECT_EQ(refired.Int("Shot1Active"), 1);
    EXPECT_EQ(refired.Int("KeyFire"), 0);
    EXPECT_EQ(refired.Int("Shot2Active"), 1);
}

TEST(PlayFlow, EscapePlaysTheSilentClipAndEndsTheProcessInThatTick) {
    RunResult r = RunOnFloor("wait 50\nkeydown Escape\nwait 500\n");
    EXPECT_EQ(r.LastTick().Int("tick"), 5);
    EXPECT_EQ(r.LastTick().Str("title"), "DUNSPELT LEVEL 1 - SWAMP");
    const std::vector<std::string> events = r.Events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2], "sound muz/silence.wav");
    EXPECT_EQ(events.back(), "end");
    EXPECT_FALSE(r.HasEvent("unload FrmMain"));  // no window is closed first
    EXPECT_EQ(r.trace.back().Int("ms"), 60);
}
