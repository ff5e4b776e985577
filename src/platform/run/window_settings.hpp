// The windowed front end's settings, read from the settings file: the [display] section, the
// fullscreen keys, where pad mappings are found, and a fullscreen toggle written back.
#pragma once
#include "platform/forms/frontend.hpp"

namespace platform {

class SettingsFile;

WindowSettings WindowSettingsFrom(const SettingsFile& settings);

}  // namespace platform
