// Key bindings from the settings file, played through the whole game; the screenshot key; and
// the game speed assist: [assist] speed read and checked by its line, F9 and F10 stepping it
// during play and writing it back, no rule seeing it, and a recording's header giving it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/core/picture_file.hpp"
#include "platform/run/input_recorder.hpp"
#include "platform/settings/game_settings.hpp"
#include "screens/screen_flows.hpp"
#include "support/byte_files.hpp"

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

namespace {

TEST(GameSpeed, TheSettingIsReadAndABadValueWarnedByItsLineWithTheDefaultKept) {
    const struct {
        const char* value;
        bool good;
    } values[] = {{"70", true},   {"50", true},    {"75", false}, {"40", false},
                  {"110", false}, {"fast", false}, {"", false}};
    TempApp app;
    const fs::path file = app.dir() / "speed.ini";
    for (const auto& v : values) {
        std::ofstream(file) << "[sound]\nvolume = 80\n[assist]\nspeed = " << v.value << "\n";
        platform::SettingsFile settings(platform::GameSettingDefs());
        std::vector<std::string> warnings;
        settings.Load(file, [&](const std::string& w) { warnings.push_back(w); });
        if (v.good) {
            EXPECT_TRUE(warnings.empty()) << v.value;
            EXPECT_EQ(settings.Get("assist", "speed"), v.value);
        } else {
            ASSERT_EQ(warnings.size(), 1u) << v.value;
            EXPECT_EQ(warnings[0].rfind(file.string() + ":4: ", 0), 0u) << warnings[0];
            EXPECT_EQ(settings.Get("assist", "speed"), "100") << v.value;
        }
    }
}

TEST(GameSpeed, F9AndF10StepTheSpeedInPlayOnlyWriteItBackAndLeaveEveryTickAlone) {
    TempApp& app = LongFlatApp();
    const fs::path file = app.dir() / "assist.ini";
    std::ofstream(file) << "[assist]\nspeed = 70\n";
    // Three steps down stop at 50; one up is 60.
    const std::string keys = Press("F9") + Press("F9") + Press("F9") + "wait 100\n" + Press("F10");
    RunResult stepped = RunHeadless(app, "wait 200\nkeydown Right\n" + keys + "wait 300\n",
                                    {"--warp", "1", "--settings", file.string()});
    ASSERT_EQ(stepped.status, 0) << stepped.errors;
    EXPECT_NE(ReadText(file).find("\nspeed = 60\n"), std::string::npos) << ReadText(file);
    RunResult plain = RunHeadless(app, "wait 200\nkeydown Right\nwait 100\nwait 300\n",
                                  {"--warp", "1", "--settings", file.string()});
    ASSERT_EQ(plain.status, 0) << plain.errors;
    const auto a = stepped.Ticks(), b = plain.Ticks();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i].raw, b[i].raw) << "tick " << i + 1;
    // Before play (the intro) the keys do nothing.
    RunResult intro = RunHeadless(app, "wait 200\n" + keys, {"--settings", file.string()});
    ASSERT_EQ(intro.status, 0) << intro.errors;
    EXPECT_NE(ReadText(file).find("\nspeed = 60\n"), std::string::npos) << ReadText(file);
}

TEST(GameSpeed, ARecordingsHeaderGivesTheSpeedItWasPlayedAt) {
    const std::string mark = "# DUNSPELT recording, version 1\n";
    const struct {
        std::string text;
        std::optional<int> speed;
    } recordings[] = {
        {mark + "# " + platform::SpeedNote(70) + "\nwait 10\n", 70},
        {mark + "# started with --warp 1\n# " + platform::SpeedNote(50) + "\n", 50},
        {mark + "wait 10\n", std::nullopt},
        {mark + "wait 10\n# " + platform::SpeedNote(70) + "\n", std::nullopt},  // not the header
        {mark + "# speed 75: played at this game speed (percent)\n", std::nullopt},
    };
    for (const auto& r : recordings) {
        std::istringstream in(r.text);
        EXPECT_EQ(platform::RecordedSpeed(in), r.speed) << r.text;
    }
}

}  // namespace
