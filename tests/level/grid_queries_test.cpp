// The solidity queries at the grid's edges, the ground flag and the upward ground walk.
#include <gtest/gtest.h>

#include "level/grid_queries.hpp"
#include "platform/core/runtime_error.hpp"
#include "world/game_data.hpp"

using namespace game;

namespace {

// A grid W x H, all free except the given solid cells.
class GridQueries : public ::testing::Test {
  protected:
    void SetUp() override { MakeGrid(12, 150); }
    void TearDown() override { GameData::ResetAll(); }
    void MakeGrid(int16_t w, int16_t h, int16_t fill = 0) {
        GameData::ResetAll();
        GameData::GridWidth = w;
        GameData::GridHeight = h;
        GameData::SolidGrid.assign(size_t(w) * size_t(h), fill);
    }
    void Solid(int x, int y0, int y1) {  // column x from y0 to y1 inclusive
        for (int y = y0; y <= y1; ++y)
            GameData::SolidGrid[size_t(x + y * GameData::GridWidth)] = -1;
    }
};

}  // namespace

TEST_F(GridQueries, LastColumnAndRowAndEverythingOutsideAreSolid) {
    EXPECT_EQ(IsSolid(10, 0), 0);   // W - 2 reads the grid
    EXPECT_EQ(IsSolid(11, 0), -1);  // W - 1 is a wall whatever the grid holds
    EXPECT_EQ(IsSolid(0, 148), 0);
    EXPECT_EQ(IsSolid(0, 149), -1);
    EXPECT_EQ(IsSolid(-1, 5), -1);
    EXPECT_EQ(IsSolid(5, -1), -1);
    EXPECT_EQ(IsSolid(12, 5), -1);
    EXPECT_EQ(IsSolid(5, 100000), -1);
    Solid(10, 0, 0);
    EXPECT_EQ(IsSolid(10, 0), -1);
}

TEST_F(GridQueries, OnlyMinusOneCountsAsSolid) {
    GameData::SolidGrid[3] = 1;
    GameData::SolidGrid[4] = -2;
    EXPECT_EQ(IsSolid(3, 0), 0);
    EXPECT_EQ(IsSolid(4, 0), 0);
}

TEST_F(GridQueries, BeforeAnyLevelEveryPointIsSolid) {
    GameData::ResetAll();
    EXPECT_EQ(IsSolid(0, 0), -1);
    EXPECT_EQ(IsSolid(-1, 0), -1);
    EXPECT_EQ(GroundDistance(5, 5), 0);
}

TEST_F(GridQueries, DamagedDimensionsOverflow) {
    GameData::GridWidth = -32768;
    try {
        IsSolid(0, 0);
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::kErrOverflow);
    }
}

TEST_F(GridQueries, ProbeGroundSetsTheOneZeroFlagAndReturnsMinusOneZero) {
    Solid(4, 20, 20);
    GameData::OnGround = 7;
    EXPECT_EQ(ProbeGround(4, 19), 0);
    EXPECT_EQ(GameData::OnGround, 0);
    EXPECT_EQ(ProbeGround(4, 20), -1);
    EXPECT_EQ(GameData::OnGround, 1);
    EXPECT_EQ(ProbeGround(-3, 20), -1);
    EXPECT_EQ(GameData::OnGround, 1);
}

TEST_F(GridQueries, GroundDistanceWalksUpToFreeSpace) {
    EXPECT_EQ(GroundDistance(3, 50), 0);  // already free
    Solid(3, 44, 50);                     // y - 6 .. y solid, y - 7 free
    EXPECT_EQ(GroundDistance(3, 50), 7);
    Solid(5, 20, 120);  // y - 100 .. y solid: buried too deep
    EXPECT_EQ(GroundDistance(5, 120), 0);
    Solid(7, 21, 120);  // y - 100 is the first free point: the 101st probe
    EXPECT_EQ(GroundDistance(7, 120), 100);
}

TEST_F(GridQueries, GroundDistanceNearTheTopMeetsTheSolidOutside) {
    Solid(2, 0, 30);  // a column from the top edge: above it counts as solid too
    EXPECT_EQ(GroundDistance(2, 30), 0);
    EXPECT_EQ(GroundDistance(11, 40), 0);  // the last column is solid all the way up
}
