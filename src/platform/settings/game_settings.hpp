// The game's settings: what the settings file holds and how a run finds it.
#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "platform/settings/settings_file.hpp"

namespace platform {

// Every setting with its default and comment, in the order the file lists them.
std::vector<SettingDef> GameSettingDefs();

// Where this run's settings come from: `--settings FILE` when given; otherwise the player's
// config folder for a windowed run, and none for a headless run (a script or trace must not
// depend on the machine it runs on).
std::optional<std::filesystem::path> SettingsPath(bool headless,
                                                  const std::optional<std::string>& given);

// The settings in force for this process (defaults until LoadGameSettings).
SettingsFile& GameSettings();
// Loads the file (if any), warning on stderr.
void LoadGameSettings(const std::optional<std::filesystem::path>& file);
// A change the player made in the game, written back when the settings came from a file.
void ChangeGameSetting(const std::string& section, const std::string& key,
                       const std::string& value);

}  // namespace platform
