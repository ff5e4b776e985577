// F9 and F10 during play: the game's speed one step slower or faster (see kSlowestSpeed).
#pragma once

namespace platform {

class App;

// One step slower (-1) or faster (+1), within the range: the clock runs at it, the front end
// shows it, and the settings file keeps it.
void StepSpeed(App& app, int direction);

}  // namespace platform
