// The settings file: written with every default on a first run, read back, bad lines warned
// about by file and line with the default kept, and a folder that cannot be written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/settings/game_settings.hpp"
#include "platform/settings/settings_file.hpp"
#include "support/byte_files.hpp"

namespace fs = std::filesystem;

namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("dunspelt-settings-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    void Write(const std::string& text) { std::ofstream(file()) << text; }
    fs::path file() const { return dir_ / "sub" / "settings.ini"; }
    std::vector<std::string> LoadInto(platform::SettingsFile& settings) {
        std::vector<std::string> warnings;
        settings.Load(file(), [&](const std::string& w) { warnings.push_back(w); });
        return warnings;
    }
    fs::path dir_;
};

TEST_F(SettingsFileTest, AFirstRunWritesEveryDefaultWithItsCommentAndReadsTheSameBack) {
    platform::SettingsFile first(platform::GameSettingDefs());
    EXPECT_TRUE(LoadInto(first).empty());
    ASSERT_TRUE(fs::exists(file()));
    const std::string text = testsupport::ReadText(file());
    for (const platform::SettingDef& def : platform::GameSettingDefs()) {
        EXPECT_NE(text.find(def.key + " = " + def.defaultValue + "\n"), std::string::npos)
            << def.key;
        EXPECT_NE(text.find("# " + def.comment), std::string::npos) << def.key;
    }
    platform::SettingsFile second(platform::GameSettingDefs());
    EXPECT_TRUE(LoadInto(second).empty());
    EXPECT_EQ(second.Get("keys", "fire"), "Left Ctrl, Right Ctrl");
    EXPECT_EQ(second.Get("display", "scale"), "auto");
}

TEST_F(SettingsFileTest, BadLinesUnknownKeysAndValuesOutOfRangeAreWarnedByLineAndDefaulted) {
    fs::create_directories(file().parent_path());
    Write(
        "[display]\nscale = 2.5\nfullscreen = maybe\nthis line is nonsense\n"
        "[sound]\nvolume = 101\nloudness = 3\n[input]\ndead_zone = 45\n");
    platform::SettingsFile settings(platform::GameSettingDefs());
    const std::vector<std::string> warnings = LoadInto(settings);
    ASSERT_EQ(warnings.size(), 4u);
    const std::string at = file().string() + ":";
    EXPECT_EQ(warnings[0].rfind(at + "3: ", 0), 0u) << warnings[0];
    EXPECT_EQ(warnings[1].rfind(at + "6: ", 0), 0u) << warnings[1];
    EXPECT_EQ(warnings[2].rfind(at + "7: ", 0), 0u) << warnings[2];
    EXPECT_EQ(warnings[3].rfind(at + "4: ", 0), 0u) << warnings[3];
    EXPECT_EQ(settings.Get("display", "scale"), "2.5");
    EXPECT_EQ(settings.LineOf("display", "scale"), 2);
    EXPECT_EQ(settings.Get("display", "fullscreen"), "false");
    EXPECT_EQ(settings.Get("sound", "volume"), "100");
    EXPECT_EQ(settings.Get("input", "dead_zone"), "45");
}

TEST_F(SettingsFileTest, ARunOnlyOverrideIsNotWrittenButAChangeIs) {
    platform::SettingsFile settings(platform::GameSettingDefs());
    LoadInto(settings);
    settings.Override("display", "scale", "3");
    EXPECT_TRUE(settings.Change("display", "fullscreen", "true", [](const std::string&) {}));
    platform::SettingsFile reread(platform::GameSettingDefs());
    LoadInto(reread);
    EXPECT_EQ(reread.Get("display", "fullscreen"), "true");
    EXPECT_EQ(reread.Get("display", "scale"), "auto");
}

TEST_F(SettingsFileTest, AFolderThatCannotBeWrittenGivesOneWarningAndTheDefaults) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    platform::SettingsFile settings(platform::GameSettingDefs());
    const std::vector<std::string> warnings = LoadInto(settings);
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_EQ(settings.Get("sound", "volume"), "100");
}

TEST_F(SettingsFileTest, AFileInPlaceOfTheFolderGivesOneWarningAndTheDefaults) {
    // Works for root too: nobody can make a folder where a file stands.
    std::ofstream(dir_ / "sub") << "not a folder";
    platform::SettingsFile settings(platform::GameSettingDefs());
    const std::vector<std::string> warnings = LoadInto(settings);
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_EQ(settings.Get("display", "scale"), "auto");
}

TEST(SettingsPath, HeadlessRunsReadNoFileUnlessOneIsNamed) {
    EXPECT_FALSE(platform::SettingsPath(true, std::nullopt).has_value());
    EXPECT_EQ(platform::SettingsPath(true, std::string("x.ini"))->string(), "x.ini");
    const fs::path windowed = *platform::SettingsPath(false, std::nullopt);
    EXPECT_EQ(windowed.filename(), "settings.ini");
    EXPECT_EQ(windowed.parent_path().filename(), "dunspelt");
}

}  // namespace
