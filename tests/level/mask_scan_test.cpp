// The mask scan: only exactly black is solid, the grid is 4 larger each way with the extra
// cells free, and the result equals the one-pixel-at-a-time rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "assets/frm_pics.hpp"
#include "level/level_resources.hpp"
#include "level/mask_scan.hpp"
#include "platform/core/surface.hpp"
#include "support/in_process_game.hpp"
#include "world/game_data.hpp"

using namespace game;
using platform::Rgb;
using platform::Surface;

namespace {

int yields = 0;
void CountYield() {
    ++yields;
}

int16_t Cell(int x, int y) {
    return GameData::SolidGrid.at(size_t(x) + size_t(y) * size_t(GameData::GridWidth));
}

class MaskScan : public leveltest::InProcessGame {};

}  // namespace

TEST_F(MaskScan, OnlyExactBlackIsSolidAndTheFourExtraColumnsAndRowsAreFree) {
    Surface mask(5, 3, 0xFFFFFF);
    mask.Set(0, 0, Rgb(0, 0, 0));
    mask.Set(1, 0, Rgb(0, 0, 1));
    mask.Set(2, 0, Rgb(1, 0, 0));
    mask.Set(3, 0, Rgb(0, 1, 0));
    mask.FillRect(0, 2, 5, 1, 0);  // bottom row and right column of the picture black
    mask.FillRect(4, 0, 1, 3, 0);
    FrmPics().MapMask.SetPicture(std::make_shared<Surface>(mask));
    BuildSolidGrid();

    ASSERT_EQ(GameData::GridWidth, 9);
    ASSERT_EQ(GameData::GridHeight, 7);
    ASSERT_EQ(GameData::SolidGrid.size(), 63u);
    EXPECT_EQ(Cell(0, 0), -1);
    EXPECT_EQ(Cell(1, 0), 0);
    EXPECT_EQ(Cell(2, 0), 0);
    EXPECT_EQ(Cell(3, 0), 0);
    EXPECT_EQ(Cell(4, 0), -1);
    EXPECT_EQ(Cell(2, 2), -1);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            if (x >= 5 || y >= 3) {
                EXPECT_EQ(Cell(x, y), 0) << x << "," << y;
            }
}

TEST_F(MaskScan, EqualsTheOnePixelAtATimeRuleOnANoisyMask) {
    Surface mask(203, 71);
    std::mt19937 random(7);
    const uint32_t colours[] = {0, 0, Rgb(0, 0, 1), Rgb(1, 0, 0), 0xFFFFFF, Rgb(0, 1, 0)};
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) mask.Set(x, y, colours[random() % 6]);

    CellGrid grid;
    yields = 0;
    ScanMask(mask, 207, 75, grid, CountYield);
    ASSERT_EQ(grid.size(), size_t(207 * 75));
    for (int y = 0; y < 75; ++y)
        for (int x = 0; x < 207; ++x) {
            const bool black = platform::GetPixel(mask, x, y) == 0;
            ASSERT_EQ(grid[size_t(x) + size_t(y) * 207], black ? -1 : 0) << x << "," << y;
        }
    // The window system gets its turn throughout the scan, not just once.
    EXPECT_GE(yields, 71 / kMaskRowsPerYield);
}

TEST_F(MaskScan, ANewScanReplacesTheWholePreviousGrid) {
    FrmPics().MapMask.SetPicture(std::make_shared<Surface>(8, 8, 0));
    BuildSolidGrid();
    FrmPics().MapMask.SetPicture(std::make_shared<Surface>(2, 1, 0xFFFFFF));
    BuildSolidGrid();
    EXPECT_EQ(GameData::GridWidth, 6);
    EXPECT_EQ(GameData::GridHeight, 5);
    EXPECT_EQ(GameData::SolidGrid, CellGrid(30, 0));
}

TEST_F(MaskScan, AWideLevelScansWellWithinATenthOfASecond) {
    // 12,000 x 600 with ground, ledges and gaps; the best of three runs, as the machine may be
    // busy with other work.
    auto mask = std::make_shared<Surface>(12000, 600, 0xFFFFFF);
    for (int x = 0; x < 12000; ++x) {
        mask->FillRect(x, 450 + (x / 37) % 60, 1, 150, 0);
        if (x % 500 < 80)
            mask->FillRect(x, 300, 1, 20, 0);
    }
    FrmPics().MapMask.SetPicture(mask);
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        BuildSolidGrid();
        const auto end = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(end - start).count());
    }
    EXPECT_LT(best, 100.0);
    EXPECT_EQ(GameData::GridWidth, 12004);
    EXPECT_EQ(Cell(0, 450), -1);
    EXPECT_EQ(Cell(0, 449), 0);
    EXPECT_EQ(Cell(499, 310), 0);
    EXPECT_EQ(Cell(500, 310), -1);
}
