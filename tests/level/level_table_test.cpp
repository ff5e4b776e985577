// The table of level facts the baker writes from the level descriptions: the game's table says
// what resources/levels/ says, a description with a moved enemy gives a game that puts the
// enemy there, and descriptions the game could not play from are refused at build time.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "level/level_table.hpp"
#include "level_table.hpp"  // the baker's
#include "support/headless_run.hpp"

namespace fs = std::filesystem;
using namespace testsupport;

namespace {

void ExpectSameFacts(const baker::LevelLayout& source, const game::LevelFacts& table,
                     int expectedNext) {
    SCOPED_TRACE(source.name);
    EXPECT_EQ(table.number, source.number);
    EXPECT_EQ(table.baseName, source.name);
    EXPECT_EQ(table.music, source.music);
    EXPECT_EQ(table.title, source.title);
    EXPECT_EQ(table.start.x, source.start.x);
    EXPECT_EQ(table.start.y, source.start.y);
    ASSERT_EQ(source.enemies.size(), table.enemies.size());
    for (size_t k = 0; k < table.enemies.size(); ++k) {
        EXPECT_EQ(table.enemies[k].x, source.enemies[k].x) << "enemy " << k + 1;
        EXPECT_EQ(table.enemies[k].y, source.enemies[k].y) << "enemy " << k + 1;
    }
    EXPECT_EQ(table.spriteSet, source.spriteSet);
    EXPECT_EQ(table.enemyShotDrop, source.enemyShotDrop);
    EXPECT_EQ(table.endX, source.exitX);
    EXPECT_EQ(table.next, expectedNext);
}

// A folder of level descriptions written by a test.
struct LevelFolder {
    fs::path dir =
        fs::temp_directory_path() /
        ("dunspelt-levels-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    LevelFolder() {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~LevelFolder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    void Write(const std::string& file, const std::string& text) const {
        std::ofstream(dir / file) << text;
    }
};

std::string Description(int number, const std::string& name, const std::string& enemies) {
    return "number " + std::to_string(number) + "\nname " + name + "\ntitle T " + name +
           "\nmusic m.wav\nsprites 1 10\nsize 1000 600\nstart 10 10 46 65\n" + enemies +
           "exit 500\nground 0 1000 454\n";
}

const std::string kThreeEnemies = "enemy 600 390 63 64\nenemy 700 390 63 64\nenemy 800 390 63 64\n";

std::string RefusalOf(const LevelFolder& folder) {
    try {
        baker::LoadLevelSet(folder.dir.string());
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(LevelTable, SaysWhatEveryLevelDescriptionSays) {
    const auto sources =
        baker::LoadLevelSet(std::string(DUNSPELT_SOURCE_DIR) + "/resources/levels");
    const auto table = game::Levels();
    ASSERT_EQ(table.size(), sources.size());
    ASSERT_GE(table.size(), 2u);
    for (size_t i = 0; i < table.size(); ++i)
        ExpectSameFacts(sources[i], table[i], i + 1 < table.size() ? int(i + 2) : 0);
    EXPECT_EQ(game::LevelNumbered(2), &table[1]);
    EXPECT_EQ(game::LevelNumbered(double(table.size() + 1)), nullptr);
    EXPECT_EQ(game::LevelNumbered(0), nullptr);
}

// The test level is the first level with its second enemy moved; the game built on it puts
// that enemy at the moved place, loads the level's own files and, as the only level, ends in
// victory past the level's end.
TEST(LevelTable, AMovedEnemyInTheDescriptionIsWhereTheGameStartsIt) {
    const auto sources =
        baker::LoadLevelSet(std::string(DUNSPELT_SOURCE_DIR) + "/tests/level/test_levels");
    ASSERT_EQ(sources.size(), 1u);
    const baker::LevelLayout& marsh = sources[0];
    ASSERT_EQ(marsh.enemies.size(), 3u);
    EXPECT_NE(marsh.enemies[1].x, game::Levels().front().enemies[1].x) << "not moved";

    TempApp app;
    const TestLevel flat = FlatLevel(marsh.width, marsh.height, 454);
    app.WriteLevel(marsh.name, flat.map, flat.mask);
    RunResult r = RunHeadlessProgram(DUNSPELT_TEST_LEVELS_GAME, app,
                                     "wait 100\nkeydown Right\nwait 3000\n", {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    const TraceLine& first = r.Tick(1);
    EXPECT_EQ(first.Actor(1, "X"), marsh.start.x);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(first.Actor(k + 2, "X"), marsh.enemies[k].x) << "enemy " << k + 1;
        EXPECT_EQ(first.Actor(k + 2, "Y"), marsh.enemies[k].y) << "enemy " << k + 1;
    }
    EXPECT_TRUE(fs::exists(app.maps() / (marsh.name + ".DAT")));
    EXPECT_TRUE(r.HasEvent("show win"));
    EXPECT_FALSE(r.HasEvent("load aik"));
    EXPECT_GT(r.LastTick().Actor(1, "X"), marsh.exitX);
    EXPECT_LE(r.Tick(r.LastTick().Int("tick") - 1).Actor(1, "X"), marsh.exitX);
}

TEST(LevelTable, TheBakerRefusesDescriptionsTheGameCouldNotPlayFrom) {
    {
        LevelFolder gap;
        gap.Write("a.txt", Description(1, "a", kThreeEnemies));
        gap.Write("c.txt", Description(3, "c", kThreeEnemies));
        EXPECT_NE(RefusalOf(gap).find("level numbers must run 1, 2"), std::string::npos)
            << RefusalOf(gap);
    }
    {
        LevelFolder twoEnemies;
        twoEnemies.Write("a.txt",
                         Description(1, "a", "enemy 600 390 63 64\nenemy 700 390 63 64\n"));
        EXPECT_NE(RefusalOf(twoEnemies).find("exactly 3 'enemy' lines"), std::string::npos)
            << RefusalOf(twoEnemies);
    }
    {
        LevelFolder fine;
        fine.Write("z.txt", Description(2, "z", kThreeEnemies));
        fine.Write("b.txt", Description(1, "b", kThreeEnemies));
        fine.Write("notes.md", "not a level");
        const auto levels = baker::LoadLevelSet(fine.dir.string());
        ASSERT_EQ(levels.size(), 2u);
        EXPECT_EQ(levels[0].name, "b");  // in number order, not file order
        EXPECT_EQ(levels[1].title, "T z");
        const std::string source = baker::LevelTableSource(levels);
        EXPECT_NE(source.find(".next = 2"), std::string::npos);
        EXPECT_NE(source.find(".next = 0"), std::string::npos);
    }
}
