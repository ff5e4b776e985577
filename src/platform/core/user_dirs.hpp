// The player's folders, as the XDG base-directory and user-dirs conventions place them.
#pragma once
#include <filesystem>

namespace platform {

// $XDG_CONFIG_HOME/dunspelt, or ~/.config/dunspelt when it is unset or not absolute.
std::filesystem::path ConfigFolder();

// $XDG_PICTURES_DIR/DUNSPELT from the user-dirs file (or the environment), or
// ~/Pictures/DUNSPELT when neither names one.
std::filesystem::path ScreenshotFolder();

}  // namespace platform
