// The settings of input, sound and the speed assist as the parts that use them take them: read
// once from the settings file and handed over, so that no other part reads the file by name.
// (The window's settings are read beside the windowed front end's, in run/window_settings.)
#pragma once
#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/settings/game_settings.hpp"
#include "platform/settings/key_actions.hpp"

namespace platform {

class SettingsFile;

// The [keys] section as written: each action's key names and the line they were read from.
struct KeySettings {
    struct Row {
        std::string keys;  // "Left Ctrl, Right Ctrl"
        int line = 0;      // 0: not in the file, the default
    };
    std::filesystem::path file;  // where warnings about a row point
    std::array<Row, size_t(Action::kCount)> rows;
    // A row whose keys turned out unusable goes back to its default in the settings file.
    std::function<void(Action)> resetToDefault;

    // Puts a row back to its default, here and in the settings file.
    void Reset(Action action);
};

struct InputSettings {
    KeySettings keys;
    int deadZone = 30;  // percent of the sticks' travel that is ignored
    bool pauseOnFocusLoss = true;
};

struct SoundSettings {
    int volume = 100;  // 0 to 100
};

struct AssistSettings {
    int speed = kFullSpeed;  // percent, kSlowestSpeed to kFullSpeed in steps of kSpeedStep
};

// The values in force in `settings` (checked as the file was read). A reset key row is written
// back to `settings`, which must outlive the result.
InputSettings InputSettingsFrom(SettingsFile& settings);
SoundSettings SoundSettingsFrom(const SettingsFile& settings);
AssistSettings AssistSettingsFrom(const SettingsFile& settings);

// The player stepped the game's speed: the game's settings keep it (ChangeGameSetting).
void ChangeSpeedSetting(int percent);

}  // namespace platform
