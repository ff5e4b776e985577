#include "platform/core/message_box.hpp"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace platform {

bool ShowErrorBoxIfDisplay(const std::string& title, const std::string& text) {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0))
        return false;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x11 || !*x11) && (!wayland || !*wayland))
        return false;
    // SDL draws the box itself and may be called before (or without) its video set-up.
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr) ==
           0;
}

}  // namespace platform
