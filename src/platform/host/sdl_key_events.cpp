#include "platform/host/sdl_key_events.hpp"

#include <SDL.h>

#include <algorithm>

namespace platform::host {
namespace {

bool IsToggleKey(const std::vector<int>& fullscreenKeys, int scancode, int modifiers) {
    if ((scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER) &&
        (modifiers & KMOD_ALT))
        return true;
    return std::find(fullscreenKeys.begin(), fullscreenKeys.end(), scancode) !=
           fullscreenKeys.end();
}

}  // namespace

bool TranslateKey(const SDL_Event& e, const std::vector<int>& fullscreenKeys, bool& toggle,
                  std::vector<InputEvent>& out) {
    if (e.type != SDL_KEYDOWN && e.type != SDL_KEYUP)
        return false;
    // The fullscreen toggle belongs to the front end; the game never sees it.
    if (IsToggleKey(fullscreenKeys, e.key.keysym.scancode, e.key.keysym.mod)) {
        if (e.type == SDL_KEYDOWN && !e.key.repeat)
            toggle = true;
        return true;
    }
    InputEvent key{e.type == SDL_KEYDOWN ? InputEvent::Kind::kKeyDown : InputEvent::Kind::kKeyUp};
    key.key = int(e.key.keysym.scancode);
    key.repeat = e.key.repeat != 0;
    if (key.key != SDL_SCANCODE_UNKNOWN)
        out.push_back(key);
    return true;
}

}  // namespace platform::host
