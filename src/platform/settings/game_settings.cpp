#include "platform/settings/game_settings.hpp"

#include <iostream>

#include "platform/core/display_geometry.hpp"
#include "platform/core/user_dirs.hpp"
#include "platform/settings/key_actions.hpp"

namespace platform {
namespace {

bool IsBool(const std::string& v) {
    return v == "true" || v == "false";
}

// A whole number from `low` to `high`.
auto IntegerIn(int low, int high) {
    return [=](const std::string& v) {
        if (v.empty() || v.size() > 4 || v.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const int n = std::stoi(v);
        return n >= low && n <= high;
    };
}

void Warn(const std::string& text) {
    std::cerr << "dunspelt: " << text << "\n";
}

bool g_fromFile = false;

}  // namespace

bool IsSpeedText(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != text.npos)
        return false;
    const int percent = std::stoi(text);
    return percent >= kSlowestSpeed && percent <= kFullSpeed && percent % kSpeedStep == 0;
}

std::vector<SettingDef> GameSettingDefs() {
    std::vector<SettingDef> defs = {
        {"display", "scale", "auto", "window scale: auto, or 1 to 8 in steps of 0.5",
         display::IsScaleText},
        {"display", "integer_scaling", "false", "true: only whole-number scale factors", IsBool},
        {"display", "fullscreen", "false", "start in borderless fullscreen (F11 toggles)", IsBool},
        {"sound", "volume", "100", "volume of all sound, 0 to 100", IntegerIn(0, 100)},
        {"input", "dead_zone", "30", "gamepad stick dead zone in percent, 0 to 90",
         IntegerIn(0, 90)},
        {"input", "pause_on_focus_loss", "true", "pause when the game window loses focus", IsBool},
        {"assist", "speed", "100", "game speed in percent: 50 to 100 in steps of 10 (F9, F10)",
         IsSpeedText},
    };
    // Key names are SDL's physical key (scancode) names; two keys are separated by a comma.
    for (const ActionRow& row : kActionRows)
        defs.push_back({"keys", row.name, row.defaultKeys, row.comment, nullptr});
    return defs;
}

std::optional<std::filesystem::path> SettingsPath(bool headless,
                                                  const std::optional<std::string>& given) {
    if (given)
        return std::filesystem::path(*given);
    if (headless)
        return std::nullopt;
    return ConfigFolder() / "settings.ini";
}

SettingsFile& GameSettings() {
    static SettingsFile settings(GameSettingDefs());
    return settings;
}

void LoadGameSettings(const std::optional<std::filesystem::path>& file) {
    g_fromFile = file.has_value();
    if (file)
        GameSettings().Load(*file, Warn);
}

void ChangeGameSetting(const std::string& section, const std::string& key,
                       const std::string& value) {
    if (g_fromFile)
        GameSettings().Change(section, key, value, Warn);
    else
        GameSettings().Override(section, key, value);
}

}  // namespace platform
