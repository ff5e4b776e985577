// Starting a level's files: the map, the cache when it is good, else the mask scan and a fresh
// cache; missing or broken pictures end with the error report naming the file.
#include <gtest/gtest.h>

#include <filesystem>

#include "assets/frm_pics.hpp"
#include "level/grid_cache.hpp"
#include "level/level_resources.hpp"
#include "platform/core/picture_file.hpp"
#include "platform/core/runtime_error.hpp"
#include "support/in_process_game.hpp"
#include "world/game_data.hpp"

namespace fs = std::filesystem;
using namespace game;
using leveltest::ReadBytes;
using leveltest::WriteBytes;

namespace {

class LevelResources : public leveltest::InProcessGame {
  protected:
    void SetUp() override {
        InProcessGame::SetUp();
        level_ = testsupport::FlatLevel(40, 30, 20);
        testsupport::AddSolid(level_, 5, 3, 2, 2);
        app().WriteLevel("level1", level_.map, level_.mask);
    }
    fs::path File(const char* ext) const { return app().maps() / (std::string("level1") + ext); }
    void Load() { LoadLevelResources(MapsFolder(), "level1"); }
    int16_t Cell(int x, int y) const {
        return GameData::SolidGrid.at(size_t(x) + size_t(y) * size_t(GameData::GridWidth));
    }
    // The error a level start ends with, or 0.
    int LoadError(std::string* description = nullptr) {
        try {
            Load();
        } catch (const platform::RuntimeError& e) {
            if (description)
                *description = e.description();
            return e.number();
        }
        return 0;
    }

    testsupport::TestLevel level_;
};

}  // namespace

TEST_F(LevelResources, FirstStartScansTheMaskAndWritesTheCache) {
    Load();
    EXPECT_EQ(FrmPics().MapPicture.ScaleWidth(), 40);
    EXPECT_EQ(*FrmPics().MapPicture.Picture(), level_.map);
    ASSERT_EQ(GameData::GridWidth, 44);
    ASSERT_EQ(GameData::GridHeight, 34);
    EXPECT_EQ(Cell(5, 3), -1);
    EXPECT_EQ(Cell(7, 3), 0);
    EXPECT_EQ(Cell(0, 19), 0);
    EXPECT_EQ(Cell(0, 20), -1);
    EXPECT_EQ(Cell(39, 29), -1);
    EXPECT_EQ(Cell(40, 29), 0);
    EXPECT_EQ(Cell(0, 30), 0);

    const std::vector<uint8_t> cache = ReadBytes(File(".DAT"));
    ASSERT_EQ(int64_t(cache.size()), GridCacheLength(44, 34));
    EXPECT_EQ(std::vector<uint8_t>(cache.begin(), cache.begin() + 4),
              (std::vector<uint8_t>{44, 0, 34, 0}));
}

TEST_F(LevelResources, ALaterStartReadsTheCacheAndNeedsNoMask) {
    Load();
    const CellGrid scanned = GameData::SolidGrid;
    fs::remove(File(".MSK"));
    FrmPics().MapMask.SetPicture(std::make_shared<platform::Surface>(3, 3, 0xFFFFFF));
    GameData::ResetAll();
    Load();
    EXPECT_EQ(GameData::GridWidth, 44);
    EXPECT_EQ(GameData::GridHeight, 34);
    EXPECT_EQ(GameData::SolidGrid, scanned);
    EXPECT_EQ(FrmPics().MapMask.ScaleWidth(), 3);  // the mask box keeps what it had
}

TEST_F(LevelResources, AStaleOrDamagedCacheIsRebuiltFromTheMaskAndRewritten) {
    Load();
    const std::vector<uint8_t> good = ReadBytes(File(".DAT"));
    // A cache from a smaller map, then a truncated one.
    WriteBytes(File(".DAT"), leveltest::Le16Bytes({2, 1, -1, -1}));
    GameData::ResetAll();
    Load();
    EXPECT_EQ(GameData::GridWidth, 44);
    EXPECT_EQ(ReadBytes(File(".DAT")), good);

    std::vector<uint8_t> cut = good;
    cut.resize(cut.size() / 2);
    WriteBytes(File(".DAT"), cut);
    Load();
    EXPECT_EQ(ReadBytes(File(".DAT")), good);
    EXPECT_EQ(Cell(5, 3), -1);
}

TEST_F(LevelResources, MissingOrBrokenPicturesEndWithAnErrorNamingTheFile) {
    std::string description;
    fs::remove(File(".MSK"));
    EXPECT_EQ(LoadError(&description), platform::kErrFileNotFound);
    EXPECT_NE(description.find(File(".MSK").string()), std::string::npos) << description;
    EXPECT_FALSE(fs::exists(File(".DAT")));

    WriteBytes(File(".MSK"), {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
    EXPECT_EQ(LoadError(&description), platform::kErrInvalidPicture);
    EXPECT_NE(description.find(File(".MSK").string()), std::string::npos) << description;

    fs::remove(File(".MAP"));
    EXPECT_EQ(LoadError(&description), platform::kErrFileNotFound);
    EXPECT_NE(description.find(File(".MAP").string()), std::string::npos) << description;

    WriteBytes(File(".MAP"), {0x42, 0x4D, 0x00});
    EXPECT_EQ(LoadError(&description), platform::kErrInvalidPicture);
    EXPECT_NE(description.find(File(".MAP").string()), std::string::npos) << description;
}

TEST_F(LevelResources, AReadOnlyMapsFolderStillPlaysAndStaysUntouched) {
    fs::permissions(app().maps(), fs::perms::owner_write, fs::perm_options::remove);
    if (FILE* f = std::fopen(File(".probe").c_str(), "wb")) {
        std::fclose(f);
        fs::remove(File(".probe"));
        fs::permissions(app().maps(), fs::perms::owner_write, fs::perm_options::add);
        GTEST_SKIP() << "folder permissions are not enforced for this user";
    }
    Load();
    EXPECT_EQ(GameData::GridWidth, 44);
    EXPECT_EQ(Cell(5, 3), -1);
    fs::permissions(app().maps(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(std::distance(fs::directory_iterator(app().maps()), fs::directory_iterator()), 2);
}
