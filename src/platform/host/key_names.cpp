#include "platform/input/key_names.hpp"

#include <SDL.h>

namespace platform {

int KeyOfName(const std::string& name) {
    // A table lookup: no part of SDL needs to be started for it.
    return int(SDL_GetScancodeFromName(name.c_str()));
}

std::string NameOfKey(int key) {
    if (key <= SDL_SCANCODE_UNKNOWN || key >= SDL_NUM_SCANCODES)
        return {};
    return SDL_GetScancodeName(SDL_Scancode(key));
}

}  // namespace platform
