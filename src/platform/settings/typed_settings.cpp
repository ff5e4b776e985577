#include "platform/settings/typed_settings.hpp"

#include "platform/settings/settings_file.hpp"

namespace platform {

void KeySettings::Reset(Action action) {
    rows[size_t(action)] = {kActionRows[size_t(action)].defaultKeys, 0};
    if (resetToDefault)
        resetToDefault(action);
}

InputSettings InputSettingsFrom(SettingsFile& settings) {
    InputSettings s;
    s.keys.file = settings.path();
    for (const ActionRow& row : kActionRows)
        s.keys.rows[size_t(row.action)] = {settings.Get("keys", row.name),
                                           settings.LineOf("keys", row.name)};
    s.keys.resetToDefault = [&settings](Action action) {
        settings.Reset("keys", ActionName(action));
    };
    s.deadZone = std::stoi(settings.Get("input", "dead_zone"));
    s.pauseOnFocusLoss = settings.Get("input", "pause_on_focus_loss") == "true";
    return s;
}

SoundSettings SoundSettingsFrom(const SettingsFile& settings) {
    return {std::stoi(settings.Get("sound", "volume"))};
}

AssistSettings AssistSettingsFrom(const SettingsFile& settings) {
    return {std::stoi(settings.Get("assist", "speed"))};
}

void ChangeSpeedSetting(int percent) {
    ChangeGameSetting("assist", "speed", std::to_string(percent));
}

}  // namespace platform
