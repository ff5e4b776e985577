// Memory for the levels' big buffers is prepared before a level starts (sized from the level
// pictures' headers), and each level start reuses what the previous level let go.
#include <gtest/gtest.h>

#include <filesystem>

#include "assets/frm_pics.hpp"
#include "level/level_memory.hpp"
#include "level/level_resources.hpp"
#include "platform/core/large_blocks.hpp"
#include "support/in_process_game.hpp"
#include "world/game_data.hpp"

using namespace game;

namespace {

constexpr size_t kMB = size_t(1) << 20;

class LevelMemory : public leveltest::InProcessGame {
  protected:
    void SetUp() override {
        InProcessGame::SetUp();
        // Big enough for the pool: maps of 10.1 and 8.4 MB, grids of 5.1 and 4.2 MB.
        for (int width : {2000, 2400}) {
            const auto level = testsupport::FlatLevel(width, 1100, 1000);
            app().WriteLevel(width == 2000 ? "level1" : "level2", level.map, level.mask);
        }
        platform::ReleaseIdleLargeBlocks();  // the pictures just written were large too
    }
    void TearDown() override {
        InProcessGame::TearDown();
        platform::ReleaseIdleLargeBlocks();
    }
    const uint32_t* MapPixels() const { return FrmPics().MapPicture.Picture()->data(); }
};

}  // namespace

TEST_F(LevelMemory, BlocksForTheLargestMapGridAndMaskAreReadyAndEachLevelReusesThem) {
    WarmLevelMemory(MapsFolder());
    // Level 2's map (12 MB in whole huge pages), its grid (6 MB) and, with no cache yet, a mask.
    EXPECT_EQ(platform::IdleLargeBytes(), 30 * kMB);

    LoadLevelResources(MapsFolder(), "level1");
    EXPECT_EQ(platform::IdleLargeBytes(), 0u);
    const uint32_t* firstMap = MapPixels();

    LoadLevelResources(MapsFolder(), "level2");
    EXPECT_EQ(platform::IdleLargeBytes(), 0u);
    EXPECT_EQ(MapPixels(), firstMap);
    EXPECT_EQ(GameData::GridWidth, 2404);
    EXPECT_EQ(GameData::SolidGrid.at(size_t(2403) + size_t(1000) * 2404), 0);
    EXPECT_EQ(GameData::SolidGrid.at(size_t(2399) + size_t(1000) * 2404), -1);

    // Again from the caches: the same blocks serve, whichever level comes first.
    LoadLevelResources(MapsFolder(), "level1");
    LoadLevelResources(MapsFolder(), "level2");
    EXPECT_EQ(MapPixels(), firstMap);
    EXPECT_EQ(platform::IdleLargeBytes(), 0u);
}

TEST_F(LevelMemory, WithEveryCacheWrittenNoMaskBlockIsPrepared) {
    LoadLevelResources(MapsFolder(), "level1");
    LoadLevelResources(MapsFolder(), "level2");
    platform::ReleaseIdleLargeBlocks();
    WarmLevelMemory(MapsFolder());
    EXPECT_EQ(platform::IdleLargeBytes(), 18 * kMB);
}

TEST_F(LevelMemory, UnreadableLevelPicturesPrepareNothing) {
    std::filesystem::remove(app().maps() / "level1.MAP");
    std::filesystem::resize_file(app().maps() / "level2.MAP", 10);
    WarmLevelMemory(MapsFolder());
    EXPECT_EQ(platform::IdleLargeBytes(), 0u);
}
