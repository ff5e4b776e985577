#include "platform/input/input_settings.hpp"

#include "platform/forms/app.hpp"
#include "platform/input/input_router.hpp"
#include "platform/settings/settings_file.hpp"

namespace platform {

void ApplyInputSettings(App& app, SettingsFile& settings,
                        const std::function<void(const std::string&)>& warn) {
    InputRouter& input = Input(app);
    input.SetBindings(KeyBindings::FromSettings(settings, warn));
    // The values were checked as the file was read.
    input.SetDeadZone(std::stoi(settings.Get("input", "dead_zone")));
    input.SetPauseOnFocusLoss(settings.Get("input", "pause_on_focus_loss") == "true");
    input.SetVolume(app, std::stoi(settings.Get("sound", "volume")));
}

}  // namespace platform
