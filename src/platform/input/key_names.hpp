// Names of physical keys, as the settings file and scripts write them: SDL's scancode names
// ("Left", "Space", "Left Ctrl", "A"), matched without regard to case.
#pragma once
#include <string>

namespace platform {

// The physical key of a name, or 0 when there is no such key.
int KeyOfName(const std::string& name);
// The name of a physical key ("" when it has none).
std::string NameOfKey(int key);

}  // namespace platform
