#include "platform/input/game_speed.hpp"

#include <algorithm>

#include "platform/forms/app.hpp"
#include "platform/settings/game_settings.hpp"
#include "platform/settings/typed_settings.hpp"

namespace platform {

void StepSpeed(App& app, int direction) {
    const int percent =
        std::clamp(app.clock().speed() + direction * kSpeedStep, kSlowestSpeed, kFullSpeed);
    app.SetSpeed(percent);
    app.frontend().ShowSpeed(percent);
    ChangeSpeedSetting(percent);
}

}  // namespace platform
