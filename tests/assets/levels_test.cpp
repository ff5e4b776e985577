// Checks the baked level pictures: sizes, the black-and-white mask, the fixed places the game
// puts the player and the enemies, deadly pits, and a scripted run through each level.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "assets/level_pixels.hpp"
#include "assets/level_route_run.hpp"

namespace dunspelt_test {
namespace {

struct Spot {
    int x, y, width, height;
};

struct LevelFacts {
    std::string name;
    int endX;
    Spot start;
    std::vector<Spot> enemies;
};

void PrintTo(const LevelFacts& level, std::ostream* out) {
    *out << level.name;
}

const std::vector<LevelFacts> kLevels = {
    {"level1",
     9910,
     {10, 10, 46, 65},
     {{700, 390, 63, 64}, {2200, 390, 63, 64}, {7000, 390, 63, 64}}},
    {"level2",
     11910,
     {10, 300, 46, 65},
     {{1320, 340, 77, 64}, {4370, 170, 77, 64}, {10200, 325, 77, 64}}},
};

std::string MapsPath(const std::string& file) {
    return std::string(DUNSPELT_APP_DIR) + "/maps/" + file;
}
std::string RoutePath(const std::string& name) {
    return std::string(DUNSPELT_SOURCE_DIR) + "/resources/levels/" + name + ".txt";
}

class BakedLevel : public ::testing::TestWithParam<LevelFacts> {
  protected:
    static void SetUpTestSuite() {
        for (const LevelFacts& level : kLevels) {
            maps_.push_back(LoadLevelPixels(MapsPath(level.name + ".MAP")));
            masks_.push_back(LoadLevelPixels(MapsPath(level.name + ".MSK")));
        }
    }
    size_t Index() const { return GetParam().name == "level1" ? 0 : 1; }
    const LevelPixels& Map() const { return maps_[Index()]; }
    const LevelPixels& Mask() const { return masks_[Index()]; }

    static inline std::vector<LevelPixels> maps_, masks_;
};

TEST_P(BakedLevel, MapAndMaskShareASizeWideEnoughToPassTheEnd) {
    ASSERT_GT(Map().width, 0) << "missing " << GetParam().name << ".MAP";
    ASSERT_GT(Mask().width, 0) << "missing " << GetParam().name << ".MSK";
    EXPECT_EQ(Map().width, Mask().width);
    EXPECT_EQ(Map().height, Mask().height);
    // The camera needs a screen's width of map beyond the end line.
    EXPECT_GE(Map().width, GetParam().endX + 400);
    EXPECT_GE(Map().height, 560);
    EXPECT_LE(Map().height, 640);
}

TEST_P(BakedLevel, MaskIsStrictlyBlackAndWhite) {
    ASSERT_GT(Mask().width, 0);
    size_t black = 0, other = 0;
    for (uint32_t c : Mask().rgb) {
        black += c == 0x000000;
        other += c != 0x000000 && c != 0xFFFFFF;
    }
    EXPECT_EQ(other, 0u);
    EXPECT_GT(black, Mask().rgb.size() / 10);
}

TEST_P(BakedLevel, EnemiesStandWithTheirFeetOnGround) {
    ASSERT_GT(Mask().width, 0);
    for (const Spot& e : GetParam().enemies) {
        int feet = e.y + e.height;
        for (int x = e.x; x < e.x + e.width; ++x) {
            ASSERT_TRUE(Mask().Black(x, feet)) << "no ground at x " << x << ", row " << feet;
            ASSERT_FALSE(Mask().Black(x, feet - 1)) << "ground above row " << feet << " at x " << x;
        }
    }
}

TEST_P(BakedLevel, PlayerStartsInTheAirOverGround) {
    ASSERT_GT(Mask().width, 0);
    const Spot& s = GetParam().start;
    for (int x : {s.x, s.x + s.width / 2, s.x + s.width}) {
        int y = s.y;
        for (; y < s.y + s.height; ++y) ASSERT_FALSE(Mask().Black(x, y)) << "start inside ground";
        while (y < Mask().height && !Mask().Black(x, y)) ++y;
        EXPECT_LT(y, 546) << "no ground below the start at x " << x;
    }
}

TEST_P(BakedLevel, HasPitsFreeDownToTheBottomRow) {
    ASSERT_GT(Mask().width, 0);
    int pitColumns = 0;
    for (int x = 0; x < GetParam().endX; ++x) {
        bool free = true;
        for (int y = 0; y < Mask().height && free; ++y) free = !Mask().Black(x, y);
        pitColumns += free;
    }
    EXPECT_GT(pitColumns, 400);
}

TEST_P(BakedLevel, ScriptedRunReachesTheEnd) {
    ASSERT_GT(Mask().width, 0);
    const LevelFacts& level = GetParam();
    std::vector<RouteStep> route = ReadRoute(RoutePath(level.name));
    ASSERT_FALSE(route.empty());
    RunResult run = RunRoute(Mask(), level.start.x, level.start.y, level.endX, route);
    EXPECT_TRUE(run.finished) << "stopped at x " << run.lastX << (run.fell ? " (fell)" : "");
}

TEST_P(BakedLevel, WalkingWithoutJumpingEndsInAPit) {
    ASSERT_GT(Mask().width, 0);
    const LevelFacts& level = GetParam();
    RunResult run = RunRoute(Mask(), level.start.x, level.start.y, level.endX, {});
    EXPECT_TRUE(run.fell);
    EXPECT_GT(run.lastX, 400) << "the start must be safe ground";
}

TEST_P(BakedLevel, RunningJumpsAloneCannotCrossTheWideGap) {
    ASSERT_GT(Mask().width, 0);
    const LevelFacts& level = GetParam();
    std::vector<RouteStep> hopsOnly;
    for (const RouteStep& step : ReadRoute(RoutePath(level.name)))
        if (!step.climb)
            hopsOnly.push_back(step);
    RunResult run = RunRoute(Mask(), level.start.x, level.start.y, level.endX, hopsOnly);
    EXPECT_TRUE(run.fell) << "the standing-jump ledge is not needed";
}

INSTANTIATE_TEST_SUITE_P(Levels, BakedLevel, ::testing::ValuesIn(kLevels),
                         [](const auto& info) { return info.param.name; });

// The run's motion model against the jump arc the game is built around: on a floor solid
// from row 400, a standing jump from y 334 peaks 289 pixels up and lands back on y 334.
TEST(ScriptedRunMotion, StandingJumpFollowsTheGameArc) {
    LevelPixels floor;
    floor.width = 600;
    floor.height = 600;
    floor.rgb.assign(size_t(600) * 600, 0xFFFFFF);
    for (int y = 400; y < 600; ++y)
        for (int x = 0; x < 600; ++x) floor.rgb[size_t(y) * 600 + x] = 0;
    Grid grid(floor);
    Player p;
    p.x = 100;
    p.y = 334;
    p.walkFrame = 0;
    StepPlayer(grid, p, {false, false, true});
    EXPECT_EQ(p.y, 301);
    const std::vector<int> rising = {270, 241, 214, 189, 166, 145, 126, 109,
                                     94,  81,  70,  61,  54,  49,  46,  45};
    for (int expected : rising) {
        StepPlayer(grid, p, {});
        EXPECT_EQ(p.y, expected);
    }
    for (int tick = 0; tick < 40 && !p.onGround; ++tick) StepPlayer(grid, p, {});
    EXPECT_EQ(p.y, 334);
}

}  // namespace
}  // namespace dunspelt_test
