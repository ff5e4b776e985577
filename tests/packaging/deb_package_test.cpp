// The Debian package as a player and a packager get it: its files and control fields, a menu
// entry and metainfo that validate, icons that are whole-pixel scales of the window icon, a
// clean lintian run, and the game played headless from the package's own files. ctest builds
// the package first (the deb_package fixture, with cpack into test-package/).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "platform/core/picture_file.hpp"
#include "platform/settings/game_settings.hpp"
#include "support/byte_files.hpp"
#include "support/headless_run.hpp"
#include "support/process_run.hpp"

namespace fs = std::filesystem;
using reliability::ProcessResult;
using reliability::RunProcess;

namespace {

const std::string kAppId = "org.dunspelt.Dunspelt";

std::string Trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
    return s;
}

fs::path Package() {
    const std::string arch =
        Trimmed(RunProcess({"/usr/bin/env", "dpkg", "--print-architecture"}).out);
    return fs::path(DUNSPELT_TEST_PACKAGE_DIR) /
           ("dunspelt_" + std::string(DUNSPELT_VERSION) + "_" + arch + ".deb");
}

// Every file and folder under `root`, relative to it, with its size.
std::map<std::string, uintmax_t> Tree(const fs::path& root) {
    std::map<std::string, uintmax_t> tree;
    for (const auto& e : fs::recursive_directory_iterator(root))
        tree[fs::relative(e.path(), root).string()] = e.is_regular_file() ? e.file_size() : 0;
    return tree;
}

// The package unpacked (dpkg-deb -x) into a temporary folder, removed afterwards.
class DebPackage : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_regular_file(Package()))
            << Package() << " is missing: ctest builds it in the deb_package fixture";
        tmp_ = fs::temp_directory_path() / ("dunspelt-deb-" + std::to_string(getpid()));
        fs::remove_all(tmp_);
        fs::create_directories(tmp_ / "root");
        ProcessResult r =
            RunProcess({"/usr/bin/env", "dpkg-deb", "-x", Package().string(), root().string()});
        ASSERT_EQ(r.status, 0) << r.errors;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(tmp_, ec);
    }
    fs::path root() const { return tmp_ / "root"; }
    fs::path data() const { return root() / "usr/share/games/dunspelt"; }
    fs::path tmp_;
};

TEST_F(DebPackage, HoldsTheGameItsDataMenuEntryIconsManualAndDocsUnderUsr) {
    ProcessResult list = RunProcess({"/usr/bin/env", "dpkg-deb", "-c", Package().string()});
    ASSERT_EQ(list.status, 0) << list.errors;
    std::set<std::string> files;
    std::istringstream lines(list.out);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string path = line.substr(line.find("./"));
        EXPECT_TRUE(path == "./" || path.rfind("./usr/", 0) == 0) << "outside /usr: " << path;
        EXPECT_EQ(line.find(" root/root "), 10u) << "not owned by root: " << line;
        if (line[0] == '-')
            files.insert(path.substr(1));
    }
    std::set<std::string> expected = {
        "/usr/games/dunspelt",
        "/usr/share/applications/" + kAppId + ".desktop",
        "/usr/share/metainfo/" + kAppId + ".metainfo.xml",
        "/usr/share/man/man6/dunspelt.6.gz",
        "/usr/share/doc/dunspelt/copyright",
        "/usr/share/doc/dunspelt/changelog.gz",
        "/usr/share/lintian/overrides/dunspelt",
    };
    for (const char* size : {"16", "32", "48", "64", "128", "256"})
        expected.insert("/usr/share/icons/hicolor/" + std::string(size) + "x" + size + "/apps/" +
                        kAppId + ".png");
    // The data folder is the built application folder without the program and its caches.
    for (const auto& [path, size] : Tree(DUNSPELT_APP_DIR)) {
        const bool cache = fs::path(path).extension() == ".DAT";
        if (size > 0 && path != "dunspelt" && !cache && path[0] != '.')
            expected.insert("/usr/share/games/dunspelt/" + path);
    }
    EXPECT_EQ(files, expected);

    ProcessResult info = RunProcess({"/usr/bin/env", "dpkg-deb", "-f", Package().string()});
    ASSERT_EQ(info.status, 0) << info.errors;
    const std::string arch =
        Trimmed(RunProcess({"/usr/bin/env", "dpkg", "--print-architecture"}).out);
    for (const std::string& field : std::vector<std::string>{
             "Package: dunspelt\n", "Version: " + std::string(DUNSPELT_VERSION) + "\n",
             "Architecture: " + arch + "\n", "Section: games\n", "Priority: optional\n",
             std::string("Maintainer: The DUNSPELT developers <developers@dunspelt.org>\n")})
        EXPECT_NE(info.out.find(field), std::string::npos) << field << "in:\n" << info.out;
    // The collision caches a run as root leaves beside the maps go with the package.
    ProcessResult postrm =
        RunProcess({"/usr/bin/env", "dpkg-deb", "-I", Package().string(), "postrm"});
    EXPECT_NE(postrm.out.find("rm -f /usr/share/games/dunspelt/maps/*.DAT"), std::string::npos)
        << postrm.out << postrm.errors;
    // Depends: the shared libraries the program links (found by dpkg-shlibdeps) and the fonts.
    const size_t at = info.out.find("\nDepends: ");
    ASSERT_NE(at, std::string::npos) << info.out;
    const std::string depends = info.out.substr(at, info.out.find('\n', at + 1) - at);
    for (const char* package :
         {"libc6", "libstdc++6", "libsdl2-2.0-0", "libsdl2-image-2.0-0", "libsdl2-mixer-2.0-0",
          "libsdl2-ttf-2.0-0", "libinih1", "fonts-dejavu-core", "fonts-allerta"})
        EXPECT_NE(depends.find(std::string(" ") + package), std::string::npos)
            << package << " missing from" << depends;
}

TEST_F(DebPackage, MenuEntryAndMetainfoValidateAndNameTheRelease) {
    const fs::path desktop = root() / ("usr/share/applications/" + kAppId + ".desktop");
    const fs::path meta = root() / ("usr/share/metainfo/" + kAppId + ".metainfo.xml");
    ProcessResult d = RunProcess({"/usr/bin/env", "desktop-file-validate", desktop.string()});
    EXPECT_EQ(d.status, 0) << d.out << d.errors;
    EXPECT_EQ(d.out + d.errors, "");
    ProcessResult m =
        RunProcess({"/usr/bin/env", "appstreamcli", "validate", "--no-net", meta.string()});
    EXPECT_EQ(m.status, 0) << m.out << m.errors;

    const std::string entry = testsupport::ReadText(desktop);
    EXPECT_NE(entry.find("\nExec=dunspelt\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nIcon=" + kAppId + "\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nKeywords="), std::string::npos) << entry;
    const std::string xml = testsupport::ReadText(meta);
    EXPECT_NE(xml.find("<launchable type=\"desktop-id\">" + kAppId + ".desktop</launchable>"),
              std::string::npos);
    EXPECT_NE(xml.find("<project_license>GPL-3.0-or-later AND CC-BY-SA-4.0</project_license>"),
              std::string::npos);
    EXPECT_NE(xml.find("<release version=\"" + std::string(DUNSPELT_VERSION) + "\""),
              std::string::npos);
    // The changelog names the same version.
    ProcessResult changelog = RunProcess(
        {"/usr/bin/env", "zcat", (root() / "usr/share/doc/dunspelt/changelog.gz").string()});
    EXPECT_EQ(changelog.out.rfind("dunspelt (" + std::string(DUNSPELT_VERSION) + ") ", 0), 0u)
        << changelog.out;
}

TEST_F(DebPackage, IconsAreWholePixelScalesOfTheWindowIcon) {
    const auto source = platform::LoadPicture((data() / "pics/icon.ico").string());
    ASSERT_TRUE(source);
    ASSERT_EQ(source->width(), 32);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const auto icon = platform::LoadPicture(
            (root() / ("usr/share/icons/hicolor/" + name + "/apps/" + kAppId + ".png")).string());
        ASSERT_TRUE(icon) << name;
        ASSERT_EQ(icon->width(), size);
        ASSERT_EQ(icon->height(), size);
        int wrong = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                wrong += icon->At(x, y) != source->At(x * 32 / size, y * 32 / size);
        EXPECT_EQ(wrong, 0) << name << ": pixels that are not their source pixel";
    }
}

TEST_F(DebPackage, ManualPageNamesEveryOptionAndSetting) {
    ProcessResult page = RunProcess({"/bin/sh", "-c", "zcat \"$0\" | MANWIDTH=80 man -l -",
                                     (root() / "usr/share/man/man6/dunspelt.6.gz").string()});
    ASSERT_EQ(page.status, 0) << page.errors;
    EXPECT_EQ(page.errors, "") << "groff warnings";
    ProcessResult help = RunProcess({reliability::GameExecutable(), "--help"});
    std::istringstream lines(help.out);
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind("  --", 0) == 0) {
            const std::string option = line.substr(2, line.find(' ', 2) - 2);
            EXPECT_NE(page.out.find(option), std::string::npos) << option << " not in the manual";
        }
    // Each setting under its section's name: "[display] scale", "[keys] left, right, ...".
    for (const platform::SettingDef& def : platform::GameSettingDefs()) {
        const std::regex entry("\\[" + def.section + "\\][^\n]*\\b" + def.key + "\\b");
        EXPECT_TRUE(std::regex_search(page.out, entry))
            << "[" << def.section << "] " << def.key << " not in the manual";
    }
}

TEST_F(DebPackage, LintianFindsNoError) {
    ProcessResult r = RunProcess({"/usr/bin/env", "lintian", "--fail-on", "error",
                                  "--tag-display-limit", "0", Package().string()},
                                 {}, {}, 300);
    EXPECT_EQ(r.status, 0) << r.out << r.errors;
    EXPECT_EQ(r.out.find("E: "), std::string::npos) << r.out;
}

// Headless from the unpacked files: a warp to each level, walking right, with every place the
// game could write (home, config, temporary files, the working folder) inside the temporary
// folder, and nothing written but the traces there.
TEST_F(DebPackage, UnpackedGamePlaysEachLevelAndWritesOnlyItsTraces) {
    const fs::path work = tmp_ / "work", home = tmp_ / "home";
    fs::create_directories(work);
    fs::create_directories(home);
    const fs::path script = tmp_ / "walk.txt";
    std::ofstream(script) << "wait 200\nkeydown Right\nwait 1500\nkeyup Right\nwait 100\n";
    const std::map<std::string, uintmax_t> rootBefore = Tree(root());
    const std::vector<std::string> env = {
        "HOME=" + home.string(), "XDG_CONFIG_HOME=" + (home / ".config").string(),
        "XDG_DATA_HOME=" + (home / ".local/share").string(),
        "XDG_CACHE_HOME=" + (home / ".cache").string(), "TMPDIR=" + work.string()};
    const std::string game = (root() / "usr/games/dunspelt").string();
    std::set<std::string> traces;
    auto play = [&](const std::string& warp, bool appDir) {
        const std::string trace = "level" + warp + (appDir ? "-app-dir" : "") + ".jsonl";
        std::vector<std::string> argv = {"/bin/sh",       "-c",      "cd \"$0\" && exec \"$@\"",
                                         work.string(),   game,      "--headless",
                                         "--warp",        warp,      "--script",
                                         script.string(), "--trace", trace};
        if (appDir)
            argv.insert(argv.end(), {"--app-dir", data().string()});
        ProcessResult r = RunProcess(argv, {"DISPLAY", "WAYLAND_DISPLAY"}, env);
        EXPECT_EQ(r.status, 0) << "level " << warp << ": " << r.errors;
        EXPECT_EQ(r.errors, "");
        traces.insert(trace);
        testsupport::RunResult run;
        std::ifstream in(work / trace);
        for (std::string line; std::getline(in, line);) run.trace.push_back({line});
        ASSERT_GT(run.Ticks().size(), 150u) << trace;
        EXPECT_TRUE(run.HasEvent("load FrmMain")) << trace;
        EXPECT_GT(run.LastTick().Actor(1, "X"), run.Tick(1).Actor(1, "X") + 100)
            << trace << ": the player did not walk";
    };
    play("1", true);
    play("2", true);
    play("2", false);  // the program finds /usr/share/games/dunspelt from /usr/games itself

    std::set<std::string> written;
    for (const auto& [path, size] : Tree(work)) written.insert(path);
    EXPECT_EQ(written, traces);
    EXPECT_TRUE(fs::is_empty(home)) << "the game wrote into its home folder";
    // The data folder gains at most the levels' collision caches.
    for (const auto& [path, size] : Tree(root()))
        if (!rootBefore.count(path)) {
            EXPECT_EQ(fs::path(path).extension(), ".DAT") << "written: " << path;
        }
}

}  // namespace
