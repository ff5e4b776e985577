// The game speed assist: [assist] speed read and checked by its line, F9 and F10 stepping it
// during play and writing it back, no rule seeing it, and a recording's header giving it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/game_settings.hpp"
#include "platform/game_speed.hpp"
#include "screens/screen_flows.hpp"

namespace fs = std::filesystem;
using namespace testsupport;
using namespace screentest;

namespace {

std::string Tap(const std::string& key) {
    return "keydown " + key + "\nkeyup " + key + "\n";
}

std::string SettingsText(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

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
    const std::string keys = Tap("F9") + Tap("F9") + Tap("F9") + "wait 100\n" + Tap("F10");
    RunResult stepped = RunHeadless(app, "wait 200\nkeydown Right\n" + keys + "wait 300\n",
                                    {"--warp", "1", "--settings", file.string()});
    ASSERT_EQ(stepped.status, 0) << stepped.errors;
    EXPECT_NE(SettingsText(file).find("\nspeed = 60\n"), std::string::npos) << SettingsText(file);
    RunResult plain = RunHeadless(app, "wait 200\nkeydown Right\nwait 100\nwait 300\n",
                                  {"--warp", "1", "--settings", file.string()});
    ASSERT_EQ(plain.status, 0) << plain.errors;
    const auto a = stepped.Ticks(), b = plain.Ticks();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i].raw, b[i].raw) << "tick " << i + 1;
    // Before play (the intro) the keys do nothing.
    RunResult intro = RunHeadless(app, "wait 200\n" + keys, {"--settings", file.string()});
    ASSERT_EQ(intro.status, 0) << intro.errors;
    EXPECT_NE(SettingsText(file).find("\nspeed = 60\n"), std::string::npos) << SettingsText(file);
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
