// A message box for failures that happen before the game's windows exist (made by the host
// part, the only code that sees SDL).
#pragma once
#include <string>

namespace platform {

// Shows a blocking error box when a display is there to show it (not under SDL's invisible
// drivers, not without DISPLAY or WAYLAND_DISPLAY). Returns whether it was shown.
bool ShowErrorBoxIfDisplay(const std::string& title, const std::string& text);

}  // namespace platform
