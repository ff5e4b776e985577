// Starting level 1 through the built game: the grid and actors in the trace, the cache written
// once and read on later starts, and broken level files ending with the error report.
#include <gtest/gtest.h>

#include <filesystem>

#include "level/grid_cache.hpp"
#include "support/headless_run.hpp"
#include "support/in_process_game.hpp"

namespace fs = std::filesystem;
using namespace testsupport;

namespace {

const char* const kShortRun = "wait 50\n";

class LevelStartFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        TestLevel l = FlatLevel(1300, 620, 454);
        AddSolid(l, 300, 300, 50, 20);
        app_.WriteLevel("level1", l.map, l.mask);
    }
    fs::path File(const char* ext) const { return app_.maps() / (std::string("level1") + ext); }
    RunResult Run() { return RunHeadless(app_, kShortRun, {"--warp", "1"}); }

    TempApp app_;
};

void ExpectLevelOneStart(const RunResult& r) {
    ASSERT_EQ(r.status, 0) << r.errors;
    const TraceLine& t = r.Tick(1);
    EXPECT_EQ(t.Int("GridWidth"), 1304);
    EXPECT_EQ(t.Int("GridHeight"), 624);
    const int64_t enemyX[] = {700, 2200, 7000};
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(t.Actor(i, "X"), enemyX[i - 2]) << i;
        EXPECT_EQ(t.Actor(i, "Y"), 390) << i;
        EXPECT_EQ(t.Actor(i, "Width"), 63) << i;
        EXPECT_EQ(t.Actor(i, "Height"), 64) << i;
        EXPECT_EQ(t.Actor(i, "Alive"), -1) << i;
    }
    EXPECT_EQ(t.Actor(1, "X"), 10);  // the player only falls on the first tick
    EXPECT_EQ(t.Actor(1, "Width"), 46);
    EXPECT_EQ(t.Actor(1, "Height"), 65);
    EXPECT_EQ(t.Actor(1, "Alive"), -1);
}

}  // namespace

TEST_F(LevelStartFlow, FirstStartWritesTheCacheAndLaterStartsNeedNoMask) {
    ASSERT_FALSE(fs::exists(File(".DAT")));
    RunResult first = Run();
    ExpectLevelOneStart(first);
    ASSERT_TRUE(fs::exists(File(".DAT")));
    EXPECT_EQ(int64_t(fs::file_size(File(".DAT"))), game::GridCacheLength(1304, 624));
    EXPECT_EQ(std::distance(fs::directory_iterator(app_.maps()), fs::directory_iterator()), 3);
    const auto cache = leveltest::ReadBytes(File(".DAT"));

    // Without the mask the level can only start from the cache, and plays the same.
    fs::remove(File(".MSK"));
    RunResult second = Run();
    ExpectLevelOneStart(second);
    ASSERT_EQ(first.Ticks().size(), second.Ticks().size());
    for (size_t i = 0; i < first.trace.size(); ++i)
        EXPECT_EQ(first.trace[i].raw, second.trace[i].raw) << "line " << i;
    EXPECT_EQ(leveltest::ReadBytes(File(".DAT")), cache);
}

TEST_F(LevelStartFlow, ACacheOfAnotherMapIsReplaced) {
    leveltest::WriteBytes(File(".DAT"), leveltest::Le16Bytes({2, 2, -1, -1, -1, -1}));
    ExpectLevelOneStart(Run());
    EXPECT_EQ(int64_t(fs::file_size(File(".DAT"))), game::GridCacheLength(1304, 624));
}

TEST_F(LevelStartFlow, MissingOrBrokenPicturesEndWithTheErrorReport) {
    struct Case {
        const char* what;
        const char* file;
        bool broken;  // present but not a picture
        int64_t number;
    };
    for (Case c : {Case{"no mask", ".MSK", false, 53}, Case{"broken mask", ".MSK", true, 481},
                   Case{"no map", ".MAP", false, 53}, Case{"broken map", ".MAP", true, 481}}) {
        fs::remove(File(".DAT"));
        fs::remove(File(c.file));
        if (c.broken)
            leveltest::WriteBytes(File(c.file), {'B', 'M', 0, 0, 1});
        RunResult r = Run();
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_TRUE(r.Ticks().empty()) << c.what;
        const TraceLine* error = nullptr;
        for (const TraceLine& line : r.trace)
            if (line.IsEvent("error"))
                error = &line;
        ASSERT_NE(error, nullptr) << c.what << r.errors;
        EXPECT_EQ(error->Int("number"), c.number) << c.what;
        EXPECT_NE(error->Str("description").find("level1" + std::string(c.file)), std::string::npos)
            << c.what << ": " << error->raw;
        EXPECT_FALSE(fs::exists(File(".DAT"))) << c.what;
        // Put a good level back for the next case.
        TestLevel l = FlatLevel(1300, 620, 454);
        AddSolid(l, 300, 300, 50, 20);
        app_.WriteLevel("level1", l.map, l.mask);
    }
}
