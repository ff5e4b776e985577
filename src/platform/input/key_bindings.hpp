// Which physical keys do what: the [keys] section of the settings file, checked as it is read.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/settings/key_actions.hpp"
#include "platform/settings/typed_settings.hpp"

namespace platform {

// The key code the game window hears for an action, or 0 for the actions it knows nothing of.
int GameKeyCodeOf(Action action);

class KeyBindings {
  public:
    // Today's keys plus the new ones.
    KeyBindings();

    // Reads the [keys] section. An unknown key name, more than two keys, or a key bound to two
    // actions is warned about as "FILE:LINE: ..." and that action keeps its default (and the
    // setting is reset to it).
    static KeyBindings FromSettings(KeySettings settings,
                                    const std::function<void(const std::string&)>& warn);

    // The action of a physical key, or kNone.
    Action ActionOf(int key) const;

  private:
    std::array<std::vector<int>, size_t(Action::kCount)> keys_;
};

// The names in a list such as "Left Ctrl, Right Ctrl", trimmed, empty ones included.
std::vector<std::string> SplitKeyList(const std::string& text);
// Parses "Left Ctrl, Right Ctrl" into physical keys; false (with `why`) for an unknown name or
// a wrong count.
bool ParseKeyList(const std::string& text, std::vector<int>& keys, std::string& why);

}  // namespace platform
