#include "platform/input/input_settings.hpp"

#include "platform/forms/app.hpp"
#include "platform/input/input_router.hpp"

namespace platform {

void ApplyInputSettings(App& app, const InputSettings& input, const SoundSettings& sound,
                        const std::function<void(const std::string&)>& warn) {
    InputRouter& router = Input(app);
    router.SetBindings(KeyBindings::FromSettings(input.keys, warn));
    router.SetDeadZone(input.deadZone);
    router.SetPauseOnFocusLoss(input.pauseOnFocusLoss);
    router.SetVolume(app, sound.volume);
}

}  // namespace platform
