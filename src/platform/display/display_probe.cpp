#include "platform/display/display_probe.hpp"

#include <cstdlib>
#include <filesystem>

namespace platform {

DisplayReach ProbeDisplay(const std::function<const char*(const char*)>& getEnv,
                          const std::function<bool(const std::string&)>& exists) {
    auto set = [&](const char* name) {
        const char* v = getEnv(name);
        return v && *v;
    };
    if (set("SDL_VIDEODRIVER"))
        return DisplayReach::kAny;
    const bool x11 = set("DISPLAY");
    bool wayland = set("WAYLAND_DISPLAY");
    // Wayland clients also connect to the default socket when no display is named.
    if (!wayland && set("XDG_RUNTIME_DIR"))
        wayland = exists(std::string(getEnv("XDG_RUNTIME_DIR")) + "/wayland-0");
    if (x11 && wayland)
        return DisplayReach::kAny;
    if (x11)
        return DisplayReach::kX11Only;
    return wayland ? DisplayReach::kWaylandOnly : DisplayReach::kNone;
}

DisplayReach ProbeDisplay() {
    return ProbeDisplay([](const char* name) { return std::getenv(name); },
                        [](const std::string& path) {
                            std::error_code ec;
                            return std::filesystem::exists(path, ec);
                        });
}

}  // namespace platform
