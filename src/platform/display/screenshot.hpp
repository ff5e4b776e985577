// The screenshot key: the focused window's picture at its own size, as a PNG in the player's
// pictures folder, named with the date and time.
#pragma once
#include <ctime>
#include <filesystem>
#include <string>

namespace platform {

class App;

// "dunspelt-2026-12-09_14-03-27.png" for that local time.
std::string ScreenshotName(std::time_t when);

// Saves the active form's picture under ScreenshotFolder() and prints the path; a folder that
// cannot be written gives one warning on stderr and nothing else. Returns the file written, or
// an empty path.
std::filesystem::path SaveScreenshot(App& app);

}  // namespace platform
