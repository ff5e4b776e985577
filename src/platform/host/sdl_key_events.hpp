// Keys from SDL, for every host that reads them through SDL: by physical position, as the
// bindings name them, with the fullscreen toggle's own keys kept from the game.
#pragma once
#include <vector>

#include "platform/forms/input_event.hpp"

union SDL_Event;

namespace platform::host {

// Takes a key event: a press of the fullscreen toggle (Alt+Enter or one of `fullscreenKeys`)
// sets `toggle`, any other key goes to `out`. False for an event that is not a key.
bool TranslateKey(const SDL_Event& event, const std::vector<int>& fullscreenKeys, bool& toggle,
                  std::vector<InputEvent>& out);

}  // namespace platform::host
