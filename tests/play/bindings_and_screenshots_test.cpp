// Key bindings from the settings file, played through the whole game; and the screenshot key.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/core/picture_file.hpp"
#include "screens/screen_flows.hpp"

namespace fs = std::filesystem;
using namespace testsupport;
using namespace screentest;

namespace {

std::string Press(const std::string& key) {
    return "keydown " + key + "\nkeyup " + key + "\n";
}

fs::path WriteSettings(const TempApp& app, const std::string& name, const std::string& text) {
    const fs::path file = app.dir() / name;
    std::ofstream(file) << text;
    return file;
}

}  // namespace

TEST(Bindings, JumpReboundToWJumpsAndSpaceNoLongerDoes) {
    TempApp& app = LongFlatApp();
    const fs::path settings = WriteSettings(app, "w_jump.ini", "[keys]\njump = W\n");
    RunResult r =
        RunHeadless(app, "wait 1000\nkeydown Space\nwait 50\nkeyup Space\nkeydown W\nwait 50\n",
                    {"--warp", "1", "--settings", settings.string()});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(r.errors.empty()) << r.errors;
    EXPECT_EQ(r.Tick(105).Int("KeyJump"), 0);
    EXPECT_EQ(r.Tick(110).Int("KeyJump"), -1);
    // The player left the ground only after W.
    const int64_t standing = r.Tick(100).Actor(1, "Y");
    EXPECT_EQ(r.Tick(105).Actor(1, "Y"), standing);
    EXPECT_LT(r.LastTick().Actor(1, "Y"), standing);
}

TEST(Bindings, BadLinesAreWarnedByLineAndTheActionKeepsItsDefault) {
    TempApp& app = LongFlatApp();
    const fs::path settings = WriteSettings(app, "bad_keys.ini",
                                            "[keys]\n"
                                            "jump = Nope\n"         // line 2: no such key
                                            "fire = P\n"            // line 3: P pauses
                                            "left = A, B, C\n"      // line 4: three keys
                                            "right = D, Right\n");  // line 5: fine
    RunResult r = RunHeadless(app,
                              "wait 100\nkeydown Space\nkeydown Left Ctrl\nkeydown D\nwait 20\n" +
                                  Press("P") + "wait 100\n",
                              {"--warp", "1", "--settings", settings.string()});
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::string f = settings.string();
    EXPECT_NE(r.errors.find(f + ":2: unknown key name 'Nope' for jump; keeping the default"),
              std::string::npos)
        << r.errors;
    EXPECT_NE(r.errors.find(f + ":3: key 'P' is bound to two actions; fire keeps its default"),
              std::string::npos)
        << r.errors;
    EXPECT_NE(r.errors.find(f + ":4: at most two keys per action"), std::string::npos) << r.errors;
    EXPECT_EQ(r.errors.find(":5:"), std::string::npos) << r.errors;
    // Space still jumps, Ctrl still fires, D walks right, and P pauses.
    const TraceLine& t = r.Tick(12);
    EXPECT_EQ(t.Int("KeyJump"), -1);
    EXPECT_EQ(t.Int("KeyRight"), -1);
    EXPECT_EQ(t.Int("Shot1Active"), 1);
    EXPECT_TRUE(r.HasEvent("pause"));
}

TEST(Screenshots, F12SavesTheFocusedWindowAt1xInThePicturesFolderAndPrintsThePath) {
    TempApp& app = LongFlatApp();
    const fs::path pictures = app.dir() / "Pictures";
    setenv("XDG_PICTURES_DIR", pictures.c_str(), 1);
    RunResult r = RunHeadless(app,
                              "wait 200\n" + Press("F12") + "screenshot " +
                                  ShotPath(app, "script_shot") + " FrmMain\nwait 20\n",
                              {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(r.HasEvent("screenshot FrmMain"));
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(pictures / "DUNSPELT")) files.push_back(e.path());
    ASSERT_EQ(files.size(), 1u);
    const std::string name = files[0].filename().string();
    EXPECT_EQ(name.rfind("dunspelt-", 0), 0u) << name;
    EXPECT_EQ(files[0].extension(), ".png");
    // The window's own 794 x 575 picture, as the game drew it.
    auto saved = platform::LoadPicture(files[0].string());
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved, *ReadShot(app, "script_shot"));
    EXPECT_EQ(r.Ticks().size(), 22u);  // play went on
    unsetenv("XDG_PICTURES_DIR");
}

TEST(Screenshots, AFolderThatCannotBeWrittenGivesOneWarningAndPlayGoesOn) {
    TempApp& app = LongFlatApp();
    // A file where the pictures folder should be.
    const fs::path blocked = app.dir() / "blocked";
    std::ofstream(blocked) << "not a folder";
    setenv("XDG_PICTURES_DIR", blocked.c_str(), 1);
    RunResult r = RunHeadless(app, "wait 100\n" + Press("F12") + "wait 100\n", {"--warp", "1"});
    unsetenv("XDG_PICTURES_DIR");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.errors,
              "dunspelt: cannot save a screenshot in " + (blocked / "DUNSPELT").string() + "\n");
    EXPECT_FALSE(r.HasEvent("screenshot FrmMain"));
    EXPECT_EQ(r.Ticks().size(), 20u);
}
