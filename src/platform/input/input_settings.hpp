// The settings that shape input and sound, put in force: key bindings, the pads' dead zone,
// pause on focus loss and the volume.
#pragma once
#include <functional>
#include <string>

namespace platform {

class App;
class SettingsFile;

void ApplyInputSettings(App& app, SettingsFile& settings,
                        const std::function<void(const std::string&)>& warn);

}  // namespace platform
