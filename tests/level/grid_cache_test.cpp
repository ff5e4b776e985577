// The collision-grid cache: exact bytes, round trip, validation before use, safe writing.
#include <gtest/gtest.h>

#include <filesystem>

#include "assets/frm_pics.hpp"
#include "level/grid_cache.hpp"
#include "level/level_resources.hpp"
#include "support/in_process_game.hpp"
#include "world/game_data.hpp"

namespace fs = std::filesystem;
using namespace game;
using leveltest::Le16Bytes;
using leveltest::ReadBytes;
using leveltest::WriteBytes;

namespace {

class GridCache : public leveltest::InProcessGame {
  protected:
    fs::path CachePath() const { return app().maps() / "level1.DAT"; }

    // A 3 x 2 grid with distinct cells, so a wrong order or width shows.
    void SetSmallGrid() {
        GameData::GridWidth = 3;
        GameData::GridHeight = 2;
        GameData::SolidGrid = {-1, 0, 0, 0, -1, -1};
    }
    // A cache that differs from the grid in memory, to see whether it was read.
    void WriteOtherCache(int16_t w, int16_t h, size_t cells) {
        std::vector<int16_t> values{w, h};
        values.resize(2 + cells, -1);
        WriteBytes(CachePath(), Le16Bytes(values));
    }
};

}  // namespace

TEST_F(GridCache, WritesWidthHeightThenCellsRowByRowLittleEndian) {
    SetSmallGrid();
    SaveSolidGrid(CachePath().string());
    const std::vector<uint8_t> expected = {0x03, 0x00, 0x02, 0x00,               //
                                           0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00,   // y 0
                                           0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};  // y 1
    EXPECT_EQ(ReadBytes(CachePath()), expected);
    EXPECT_EQ(GridCacheLength(3, 2), int64_t(expected.size()));
}

TEST_F(GridCache, RoundTripGivesTheIdenticalGrid) {
    // An odd-sized grid with a pattern in every row and column.
    GameData::GridWidth = 37;
    GameData::GridHeight = 11;
    GameData::SolidGrid.assign(37 * 11, 0);
    for (size_t i = 0; i < GameData::SolidGrid.size(); ++i)
        GameData::SolidGrid[i] = (i * 7919) % 5 < 2 ? -1 : 0;
    const CellGrid written = GameData::SolidGrid;
    ASSERT_TRUE(WriteGridCache(CachePath().string()));
    EXPECT_EQ(fs::file_size(CachePath()), uintmax_t(GridCacheLength(37, 11)));

    GameData::ResetAll();
    ASSERT_TRUE(ReadGridCache(CachePath().string(), 37, 11));
    EXPECT_EQ(GameData::GridWidth, 37);
    EXPECT_EQ(GameData::GridHeight, 11);
    EXPECT_EQ(GameData::SolidGrid, written);
}

TEST_F(GridCache, LoadChecksTheCacheAgainstTheMapPictureSizePlusFour) {
    FrmPics().MapPicture.SetPicture(std::make_shared<platform::Surface>(6, 3));
    WriteOtherCache(10, 7, 70);
    EXPECT_EQ(LoadSolidGrid(CachePath().string()), -1);
    EXPECT_EQ(GameData::GridWidth, 10);
    EXPECT_EQ(GameData::GridHeight, 7);
    EXPECT_EQ(GameData::SolidGrid, CellGrid(70, -1));

    FrmPics().MapPicture.SetPicture(std::make_shared<platform::Surface>(7, 3));
    GameData::ResetAll();
    EXPECT_EQ(LoadSolidGrid(CachePath().string()), 0);
    EXPECT_EQ(GameData::GridWidth, 0);
}

TEST_F(GridCache, EveryDamagedOrForeignCacheIsRejectedAndTheGridKept) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    auto cells = [](int16_t w, int16_t h, size_t n) {
        std::vector<int16_t> v{w, h};
        v.resize(2 + n, -1);
        return Le16Bytes(v);
    };
    std::vector<uint8_t> shortFile = cells(10, 7, 70);
    shortFile.pop_back();
    std::vector<uint8_t> longFile = cells(10, 7, 70);
    longFile.push_back(0);
    const Case cases[] = {
        {"empty file", {}},
        {"header cut short", {0x0A, 0x00, 0x07}},
        {"one byte missing", shortFile},
        {"one byte too many", longFile},
        {"width 0", cells(0, 7, 0)},
        {"height 0", cells(10, 0, 0)},
        {"negative width", cells(-10, 7, 70)},
        {"width -32768", cells(-32768, 7, 0)},
        {"huge header, tiny file", cells(32767, 32767, 4)},
        {"width of another map", cells(11, 7, 77)},
        {"height of another map", cells(10, 8, 80)},
        {"width and height swapped", cells(7, 10, 70)},
    };
    for (const Case& c : cases) {
        SetSmallGrid();
        WriteBytes(CachePath(), c.bytes);
        EXPECT_FALSE(ReadGridCache(CachePath().string(), 10, 7)) << c.what;
        EXPECT_EQ(GameData::GridWidth, 3) << c.what;
        EXPECT_EQ(GameData::GridHeight, 2) << c.what;
        EXPECT_EQ(GameData::SolidGrid.size(), 6u) << c.what;
    }
    EXPECT_FALSE(ReadGridCache((app().maps() / "absent.DAT").string(), 10, 7));
}

TEST_F(GridCache, FailedWriteLeavesNoFileAndKeepsTheGrid) {
    SetSmallGrid();
    // The target is a folder: the rename fails, and the temporary file must go.
    fs::create_directory(CachePath());
    EXPECT_FALSE(WriteGridCache(CachePath().string()));
    EXPECT_TRUE(fs::is_directory(CachePath()));
    EXPECT_FALSE(fs::exists(CachePath().string() + ".part"));
    fs::remove(CachePath());

    // A folder that does not exist.
    const fs::path nowhere = app().dir() / "gone" / "level1.DAT";
    SaveSolidGrid(nowhere.string());
    EXPECT_FALSE(fs::exists(nowhere.parent_path()));
    EXPECT_EQ(GameData::SolidGrid, (CellGrid{-1, 0, 0, 0, -1, -1}));
}

TEST_F(GridCache, AReadOnlyFolderGetsNoFileAtAll) {
    SetSmallGrid();
    fs::permissions(app().maps(), fs::perms::owner_write, fs::perm_options::remove);
    if (fs::path probe = app().maps() / "probe"; FILE* f = std::fopen(probe.c_str(), "wb")) {
        std::fclose(f);  // running with rights that ignore permissions: nothing to learn here
        fs::remove(probe);
        GTEST_SKIP() << "folder permissions are not enforced for this user";
    }
    SaveSolidGrid(CachePath().string());
    fs::permissions(app().maps(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(fs::is_empty(app().maps()));
    EXPECT_EQ(GameData::SolidGrid, (CellGrid{-1, 0, 0, 0, -1, -1}));
}

TEST_F(GridCache, AnInterruptedWriteNeverReplacesAGoodCache) {
    SetSmallGrid();
    ASSERT_TRUE(WriteGridCache(CachePath().string()));
    const std::vector<uint8_t> good = ReadBytes(CachePath());
    // A leftover partial file from an earlier crash does not count and is overwritten.
    WriteBytes(CachePath().string() + ".part", {0x01});
    GameData::SolidGrid = {0, 0, 0, 0, 0, -1};
    ASSERT_TRUE(WriteGridCache(CachePath().string()));
    EXPECT_FALSE(fs::exists(CachePath().string() + ".part"));
    EXPECT_NE(ReadBytes(CachePath()), good);
    EXPECT_EQ(fs::file_size(CachePath()), uintmax_t(GridCacheLength(3, 2)));
}

TEST_F(GridCache, FileExistsOnlyForReadableFiles) {
    WriteBytes(app().maps() / "x.DAT", {1});
    EXPECT_EQ(FileExists((app().maps() / "x.DAT").string()), -1);
    EXPECT_EQ(FileExists((app().maps() / "y.DAT").string()), 0);
    EXPECT_EQ(FileExists((app().dir() / "nofolder" / "x.DAT").string()), 0);
    EXPECT_EQ(FileExists(app().maps().string()), 0);  // a folder of that name
}
