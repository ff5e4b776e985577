// What can be wrong with a level's files on disk, run through the built game: every fault
// either plays (the cache rebuilt where it can be) or ends with the error report naming the
// file; never a crash, a hang, or a damaged cache or stray temporary file left behind.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "level/grid_cache.hpp"
#include "platform/core/picture_file.hpp"
#include "platform/core/runtime_error.hpp"
#include "support/headless_run.hpp"
#include "support/process_run.hpp"

namespace fs = std::filesystem;
using reliability::ReadAll;
using reliability::WriteAll;
using testsupport::RunResult;
using testsupport::TempApp;

namespace {

constexpr int kMapWidth = 900, kMapHeight = 500;

std::vector<uint8_t> Header(int16_t width, int16_t height) {
    return {uint8_t(width & 0xFF), uint8_t(uint16_t(width) >> 8), uint8_t(height & 0xFF),
            uint8_t(uint16_t(height) >> 8)};
}

class LevelFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        auto level = testsupport::FlatLevel(kMapWidth, kMapHeight, 300);
        app_.WriteLevel("level1", level.map, level.mask);
    }
    fs::path File(const std::string& ext, const std::string& base = "level1") const {
        return app_.maps() / (base + ext);
    }
    // Plays level 1 for a moment; `prefix` wraps the command (a read-only mount).
    RunResult Play(const std::vector<std::string>& prefix = {}) {
        const fs::path script = app_.dir() / "faults.txt", trace = app_.dir() / "faults.jsonl";
        std::ofstream(script) << "wait 100\n";
        fs::remove(trace);
        std::vector<std::string> argv = prefix;
        argv.insert(argv.end(),
                    {reliability::GameExecutable(), "--headless", "--warp", "1", "--script",
                     script.string(), "--trace", trace.string(), "--app-dir", app_.dir().string()});
        const reliability::ProcessResult p = reliability::RunProcess(argv);
        RunResult r;
        r.status = p.signal ? 128 + p.signal : p.status;
        r.errors = p.errors;
        const std::vector<uint8_t> text = ReadAll(trace);
        std::istringstream lines(std::string(text.begin(), text.end()));
        for (std::string line; std::getline(lines, line);) r.trace.push_back({line});
        return r;
    }
    // The cache a clean start writes for the test level.
    std::vector<uint8_t> GoodCache() {
        if (good_.empty()) {
            ExpectPlays(Play(), "a clean start");
            good_ = ReadAll(File(".DAT"));
            fs::remove(File(".DAT"));
        }
        return good_;
    }
    void ExpectPlays(const RunResult& r, const std::string& what) {
        EXPECT_EQ(r.status, 0) << what << "\n" << r.errors;
        EXPECT_FALSE(r.HasEvent("error")) << what;
        EXPECT_GE(r.Ticks().size(), 9u) << what;
        EXPECT_EQ(r.LastTick().Int("GridWidth"), kMapWidth + 4) << what;
        ExpectNoStrayFiles(what);
    }
    void ExpectErrorNaming(const RunResult& r, int number, const fs::path& file,
                           const std::string& what) {
        EXPECT_EQ(r.status, 1) << what << "\n" << r.errors;
        EXPECT_TRUE(r.HasEvent("error " + std::to_string(number))) << what << "\n" << r.errors;
        EXPECT_NE(r.errors.find(file.filename().string()), std::string::npos)
            << what << ": " << r.errors;
        EXPECT_TRUE(r.Ticks().empty()) << what;
        EXPECT_TRUE(r.HasEvent("end")) << what;
        ExpectNoStrayFiles(what);
    }
    void ExpectNoStrayFiles(const std::string& what) {
        for (const auto& entry : fs::directory_iterator(app_.maps()))
            EXPECT_NE(entry.path().extension(), ".part") << what << ": " << entry.path();
    }

    TempApp app_;
    std::vector<uint8_t> good_;
};

}  // namespace

TEST_F(LevelFaults, DamagedOrForeignCachesPlayAndAreRewrittenWhole) {
    const std::vector<uint8_t> good = GoodCache();
    ASSERT_EQ(int64_t(good.size()), game::GridCacheLength(kMapWidth + 4, kMapHeight + 4));
    std::vector<uint8_t> truncated(good.begin(), good.end() - 3);
    std::vector<uint8_t> overLong = good;
    overLong.insert(overLong.end(), {0, 0, 0xFF, 0xFF});
    auto withHeader = [&](std::vector<uint8_t> h) {
        std::vector<uint8_t> bytes = good;
        std::copy(h.begin(), h.end(), bytes.begin());
        return bytes;
    };
    const std::vector<std::pair<std::string, std::vector<uint8_t>>> caches = {
        {"empty", {}},
        {"three bytes", {good[0], good[1], good[2]}},
        {"header only", Header(kMapWidth + 4, kMapHeight + 4)},
        {"truncated", truncated},
        {"over-long", overLong},
        {"zero width", withHeader(Header(0, kMapHeight + 4))},
        {"zero both", Header(0, 0)},
        {"negative height", withHeader(Header(kMapWidth + 4, -(kMapHeight + 4)))},
        {"-32768 both", withHeader(Header(-32768, -32768))},
        {"huge", withHeader(Header(32767, 32767))},
        {"another map's size", withHeader(Header(kMapHeight + 4, kMapWidth + 4))},
        {"a whole cache of another size",
         [] {
             std::vector<uint8_t> b = Header(10, 3);
             b.resize(4 + 2 * 30, 0xFF);
             return b;
         }()},
    };
    for (const auto& [what, bytes] : caches) {
        WriteAll(File(".DAT"), bytes);
        ExpectPlays(Play(), what);
        EXPECT_EQ(ReadAll(File(".DAT")), good) << what << ": the cache is not rebuilt whole";
    }
}

TEST_F(LevelFaults, AGoodCachePlaysWithoutTheMaskAndStaysUntouched) {
    const std::vector<uint8_t> good = GoodCache();
    WriteAll(File(".DAT"), good);
    fs::remove(File(".MSK"));
    ExpectPlays(Play(), "no mask, good cache");
    EXPECT_EQ(ReadAll(File(".DAT")), good);
}

TEST_F(LevelFaults, MissingOrBrokenPicturesEndWithTheErrorNamingTheFile) {
    const std::vector<uint8_t> map = ReadAll(File(".MAP")), mask = ReadAll(File(".MSK"));
    auto cut = [](const std::vector<uint8_t>& png) {
        return std::vector<uint8_t>(png.begin(), png.begin() + long(png.size() / 2));
    };
    const std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', '\n'};

    fs::remove(File(".MSK"));
    ExpectErrorNaming(Play(), platform::kErrFileNotFound, File(".MSK"), "no mask, no cache");
    EXPECT_FALSE(fs::exists(File(".DAT")));

    WriteAll(File(".MSK"), text);
    ExpectErrorNaming(Play(), platform::kErrInvalidPicture, File(".MSK"), "mask not a picture");
    WriteAll(File(".MSK"), cut(mask));
    ExpectErrorNaming(Play(), platform::kErrInvalidPicture, File(".MSK"), "mask truncated");
    EXPECT_FALSE(fs::exists(File(".DAT")));

    // A damaged cache with no usable mask: the report names the mask, the cache is not touched.
    WriteAll(File(".DAT"), {1, 2, 3});
    ExpectErrorNaming(Play(), platform::kErrInvalidPicture, File(".MSK"), "mask and cache bad");
    EXPECT_EQ(ReadAll(File(".DAT")), (std::vector<uint8_t>{1, 2, 3}));
    fs::remove(File(".DAT"));
    WriteAll(File(".MSK"), mask);

    fs::remove(File(".MAP"));
    ExpectErrorNaming(Play(), platform::kErrFileNotFound, File(".MAP"), "no map");
    WriteAll(File(".MAP"), text);
    ExpectErrorNaming(Play(), platform::kErrInvalidPicture, File(".MAP"), "map not a picture");
    WriteAll(File(".MAP"), cut(map));
    ExpectErrorNaming(Play(), platform::kErrInvalidPicture, File(".MAP"), "map truncated");
    EXPECT_FALSE(fs::exists(File(".DAT")));
}

TEST_F(LevelFaults, AMissingMapsFolderEndsWithTheErrorNamingTheMap) {
    fs::remove_all(app_.maps());
    const RunResult r = Play();
    EXPECT_EQ(r.status, 1) << r.errors;
    EXPECT_TRUE(r.HasEvent("error " + std::to_string(platform::kErrFileNotFound))) << r.errors;
    EXPECT_NE(r.errors.find("level1.MAP"), std::string::npos) << r.errors;
    EXPECT_TRUE(r.Ticks().empty());
    EXPECT_FALSE(fs::exists(app_.maps()));
    fs::create_directory(app_.maps());  // for the TempApp clean-up
}

TEST_F(LevelFaults, ACacheNameTakenByAFolderPlaysAndLeavesTheFolder) {
    fs::create_directory(File(".DAT"));
    ExpectPlays(Play(), "cache path is a folder");
    EXPECT_TRUE(fs::is_directory(File(".DAT")));
    EXPECT_TRUE(fs::is_empty(File(".DAT")));
}

TEST_F(LevelFaults, AReadOnlyMapsFolderPlaysWithoutWritingACache) {
    const std::vector<std::string> prefix = reliability::ReadOnlyPrefix(app_.maps());
    if (prefix.empty())
        GTEST_SKIP() << "cannot make a folder read-only here (no private mounts for root)";
    for (int start = 0; start < 2; ++start) {
        ExpectPlays(Play(prefix), "read-only maps folder, start " + std::to_string(start));
        EXPECT_FALSE(fs::exists(File(".DAT")));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(app_.maps()), fs::directory_iterator()), 2);
}

TEST_F(LevelFaults, LevelTwoFaultsAreReportedOnTheWayFromTheBetweenLevelsScreen) {
    auto level = testsupport::FlatLevel(kMapWidth, kMapHeight, 300);
    app_.WriteLevel("level2", level.map, level.mask);
    WriteAll(File(".DAT", "level2"), Header(-32768, 5));
    RunResult played = testsupport::RunHeadless(app_, "wait 50\n", {"--warp", "2"});
    EXPECT_EQ(played.status, 0) << played.errors;
    EXPECT_EQ(played.LastTick().Str("level"), "2");
    EXPECT_EQ(ReadAll(File(".DAT", "level2")).size(),
              size_t(game::GridCacheLength(kMapWidth + 4, kMapHeight + 4)));

    fs::remove(File(".MAP", "level2"));
    RunResult failed = testsupport::RunHeadless(app_, "wait 50\n", {"--warp", "2"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.HasEvent("error " + std::to_string(platform::kErrFileNotFound)));
    EXPECT_NE(failed.errors.find("level2.MAP"), std::string::npos) << failed.errors;
}
