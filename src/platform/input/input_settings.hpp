// The settings that shape input and sound, put in force: key bindings, the pads' dead zone,
// pause on focus loss and the volume.
#pragma once
#include <functional>
#include <string>

#include "platform/settings/typed_settings.hpp"

namespace platform {

class App;

void ApplyInputSettings(App& app, const InputSettings& input, const SoundSettings& sound,
                        const std::function<void(const std::string&)>& warn);

}  // namespace platform
