// The installed game: `cmake --install` lays out the program in games/, its data folder in
// share/games/dunspelt/ and the desktop entry, and the game runs from a read-only installation
// without writing anything.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/core/picture_file.hpp"
#include "support/byte_files.hpp"
#include "support/process_run.hpp"

namespace fs = std::filesystem;
using reliability::ProcessResult;
using reliability::RunProcess;

namespace {

std::vector<fs::path> FilesUnder(const fs::path& root) {
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(root)) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

class Installed : public ::testing::Test {
  protected:
    void SetUp() override {
        prefix_ = fs::temp_directory_path() / ("dunspelt-install-" + std::to_string(getpid()));
        fs::remove_all(prefix_);
        const fs::path build = fs::path(DUNSPELT_APP_DIR).parent_path();
        ProcessResult r =
            RunProcess({"/bin/sh", "-c", "exec cmake --install \"$0\" --prefix \"$1\"",
                        build.string(), prefix_.string()});
        ASSERT_EQ(r.status, 0) << r.out << r.errors;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(prefix_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (const auto& e : fs::recursive_directory_iterator(prefix_, ec))
            if (e.is_directory())
                fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(prefix_, ec);
    }
    fs::path prefix_;
};

}  // namespace

TEST_F(Installed, LaysOutTheProgramDataFolderMenuEntryIconAndMetainfo) {
    const fs::path data = prefix_ / "share" / "games" / "dunspelt";
    for (const char* file : {"pics/menu.png", "pics/icon.ico", "muz/menu.wav", "muz/silence.wav",
                             "maps/level1.MAP", "maps/level2.MSK"})
        EXPECT_TRUE(fs::is_regular_file(data / file)) << file;
    EXPECT_FALSE(fs::exists(data / "dunspelt")) << "the program belongs in games/";
    for (const auto& e : fs::directory_iterator(data / "maps"))
        EXPECT_NE(e.path().extension(), ".DAT") << "a cache was installed: " << e.path();

    const fs::path program = prefix_ / "games" / "dunspelt";
    ASSERT_TRUE(fs::is_regular_file(program));
    EXPECT_NE(fs::status(program).permissions() & fs::perms::owner_exec, fs::perms::none);
    ProcessResult version = RunProcess({program.string(), "--version"});
    EXPECT_EQ(version.status, 0) << version.errors;
    EXPECT_EQ(version.out, std::string("dunspelt ") + DUNSPELT_VERSION + "\n");

    // The menu entry runs the program by name and shows the installed icon.
    const std::string id = "org.dunspelt.Dunspelt";
    const std::string desktop =
        testsupport::ReadText(prefix_ / ("share/applications/" + id + ".desktop"));
    EXPECT_NE(desktop.find("\nExec=dunspelt\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("\nIcon=" + id + "\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("\nCategories=Game;"), std::string::npos) << desktop;
    const auto icon = platform::LoadPicture(
        (prefix_ / ("share/icons/hicolor/32x32/apps/" + id + ".png")).string());
    EXPECT_EQ(icon->width(), 32);
    EXPECT_EQ(icon->height(), 32);
    const std::string meta =
        testsupport::ReadText(prefix_ / ("share/metainfo/" + id + ".metainfo.xml"));
    EXPECT_NE(meta.find("<launchable type=\"desktop-id\">" + id + ".desktop</launchable>"),
              std::string::npos);
}

TEST_F(Installed, RunsFromAReadOnlyFolderWithoutWritingACache) {
    const std::vector<fs::path> before = FilesUnder(prefix_);
    std::vector<std::string> argv = reliability::ReadOnlyPrefix(prefix_);
    if (argv.empty())
        GTEST_SKIP() << "cannot make a folder read-only here (no private mounts for root)";
    const fs::path script = prefix_.string() + "-walk.txt";
    std::ofstream(script) << "keydown Right\nwait 1000\n";
    // The program finds its data folder from games/ by itself.
    const std::string program = (prefix_ / "games" / "dunspelt").string();
    for (const char* warp : {"1", "2"}) {
        std::vector<std::string> run = argv;
        run.insert(run.end(), {program, "--headless", "--warp", warp, "--script", script.string()});
        ProcessResult r = RunProcess(run);
        EXPECT_EQ(r.status, 0) << "level " << warp << ": " << r.errors;
        EXPECT_EQ(r.signal, 0);
        EXPECT_EQ(r.errors, "") << "level " << warp;
    }
    fs::remove(script);
    EXPECT_EQ(FilesUnder(prefix_), before);
}
