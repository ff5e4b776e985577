// Which window systems the game could reach, judged from the environment before SDL starts, so
// that SDL does not try drivers that cannot work (their client libraries print complaints).
#pragma once
#include <functional>
#include <string>

namespace platform {

enum class DisplayReach {
    kNone,         // no window system to try: the game says so itself
    kX11Only,      // only an X display is named
    kWaylandOnly,  // only a Wayland socket exists
    kAny,          // both, or the player chose SDL's driver by name: SDL decides
};

// `getEnv` reads an environment variable (null when unset); `exists` tells whether a path exists.
DisplayReach ProbeDisplay(const std::function<const char*(const char*)>& getEnv,
                          const std::function<bool(const std::string&)>& exists);
DisplayReach ProbeDisplay();

}  // namespace platform
