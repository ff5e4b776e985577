// Runs the application: the windowed event loop, or a headless script on the virtual clock.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/surface.hpp"

namespace platform {

struct RunOptions {
    bool headless = false;
    std::string script;  // headless: the commands to run; none means stop after the start
    std::string trace;   // JSON Lines trace file
    std::string appDir;  // the application folder
    bool stats = false;  // print pacing figures to stderr at the end
    std::string record;  // write every input the game acts on to this file, as a script
    std::string replay;  // windowed: play this script at real speed instead of the player
    std::vector<std::string> recordNotes;  // comment lines for the recording's header
    std::optional<int> speed;  // windowed: the game's speed in percent for this run (--speed)
    std::shared_ptr<const Surface> windowIcon;  // windowed: every window's icon
};

// Sets up the front end and the clock, runs `start` (which opens the first forms), then events
// until the process ends. Returns the exit status: 0, 1 after a run-time error, 2 for a bad
// script or options.
int RunApplication(const RunOptions& options, const std::function<void()>& start);

}  // namespace platform
