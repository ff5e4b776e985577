// The headless harness: HUD before the first tick, key flags, tick rate, determinism.
#include <gtest/gtest.h>

#include "support/headless_run.hpp"

using namespace testsupport;

namespace {

TempApp& FlatApp() {
    static TempApp app;
    static bool once = [] {
        TestLevel l1 = FlatLevel(1200, 600, 454);
        app.WriteLevel("level1", l1.map, l1.mask);
        TestLevel l2 = FlatLevel(1200, 600, 404);
        app.WriteLevel("level2", l2.map, l2.mask);
        return true;
    }();
    (void)once;
    return app;
}

}  // namespace

TEST(Harness, NewGameShowsFullHudAndRunsOneHundredTicksPerVirtualSecond) {
    RunResult r = RunHeadless(FlatApp(), "wait 1000\n", {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    auto ticks = r.Ticks();
    ASSERT_EQ(ticks.size(), 100u);
    EXPECT_EQ(ticks.front().Int("ms"), 10);
    EXPECT_EQ(ticks.back().Int("ms"), 1000);
    for (size_t i = 0; i < ticks.size(); ++i) EXPECT_EQ(ticks[i].Int("tick"), int64_t(i + 1));
    EXPECT_EQ(ticks.front().Str("HP"), "100");
    EXPECT_EQ(ticks.front().Str("level"), "1");
    EXPECT_EQ(ticks.front().Str("score"), "0");
    EXPECT_EQ(ticks.front().Int("PlayerHealth"), 0);
    EXPECT_EQ(r.Events().back(), "end");
}

TEST(Harness, KeyFlagsFollowKeyDownKeyUpAndRepeat) {
    RunResult r = RunHeadless(FlatApp(),
                              "wait 10\nkeydown Up\nkeydown Left\nwait 10\nkeydown Left\n"
                              "keyup Up\nwait 10\nkeyup Left\nkeydown Down\nwait 10\n",
                              {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.Tick(1).Int("KeyLeft"), 0);
    EXPECT_EQ(r.Tick(2).Int("KeyLeft"), -1);
    EXPECT_EQ(r.Tick(2).Int("KeyUp"), -1);
    EXPECT_EQ(r.Tick(3).Int("KeyLeft"), -1);  // a repeated key-down keeps the flag
    EXPECT_EQ(r.Tick(3).Int("KeyUp"), 0);
    EXPECT_EQ(r.Tick(4).Int("KeyLeft"), 0);
    EXPECT_EQ(r.Tick(4).Int("KeyDown"), -1);
}

TEST(Harness, SameRunTwiceWritesIdenticalTraces) {
    const std::string script = "wait 200\nkeydown Right\nwait 300\nkeydown Space\nwait 100\n";
    RunResult a = RunHeadless(FlatApp(), script, {"--warp", "1"});
    RunResult b = RunHeadless(FlatApp(), script, {"--warp", "1"});
    ASSERT_EQ(a.status, 0) << a.errors;
    ASSERT_EQ(a.trace.size(), b.trace.size());
    for (size_t i = 0; i < a.trace.size(); ++i) EXPECT_EQ(a.trace[i].raw, b.trace[i].raw);
}

TEST(Harness, BadScriptsAreRejectedBeforeTheGameStarts) {
    for (const char* bad : {"wait ten\n", "wait -5\n", "keydown Shift\n", "click nosuch Command1\n",
                            "click FrmMain NoControl\n", "jump 3\n", "wait\n"}) {
        RunResult r = RunHeadless(FlatApp(), std::string("wait 10\n") + bad, {"--warp", "1"});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.errors.find("line 2"), std::string::npos) << r.errors;
        EXPECT_TRUE(r.trace.empty()) << bad;
    }
}
