#include "platform/run/window_settings.hpp"

#include "platform/core/display_geometry.hpp"
#include "platform/core/user_dirs.hpp"
#include "platform/forms/input_event.hpp"
#include "platform/input/key_bindings.hpp"
#include "platform/input/key_names.hpp"
#include "platform/settings/game_settings.hpp"

namespace platform {

WindowSettings WindowSettingsFrom(const SettingsFile& settings) {
    WindowSettings w;
    w.scale = display::ParseScale(settings.Get("display", "scale"));
    w.integerScaling = settings.Get("display", "integer_scaling") == "true";
    w.fullscreen = settings.Get("display", "fullscreen") == "true";
    // Names that are no key are left out here; the key bindings warn about them.
    for (const std::string& name :
         SplitKeyList(settings.Get("keys", ActionName(Action::kFullscreen))))
        if (const int key = KeyOfName(name))
            w.fullscreenKeys.push_back(key);
    if (w.fullscreenKeys.empty())
        w.fullscreenKeys.push_back(kPhysF11);
    const std::filesystem::path& file = settings.path();
    w.padMappings = (file.empty() ? ConfigFolder() : file.parent_path()) / "gamecontrollerdb.txt";
    w.fullscreenChanged = [](bool on) {
        ChangeGameSetting("display", "fullscreen", on ? "true" : "false");
    };
    return w;
}

}  // namespace platform
