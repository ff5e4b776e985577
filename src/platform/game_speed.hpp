// The game's speed, an assist for players who need more time: 50 to 100 percent in steps of
// 10. No rule sees it: the clock runs the game's time more slowly, so the ticks come further
// apart while every tick and the trace's times stay what they are at full speed.
#pragma once
#include <istream>
#include <optional>
#include <string>

namespace platform {

class App;

inline constexpr int kSlowestSpeed = 50, kFullSpeed = 100, kSpeedStep = 10;

// Whether `text` is a speed: 50, 60, ... 100.
bool IsSpeedText(const std::string& text);
// One step slower (-1) or faster (+1), within the range: the clock runs at it, the front end
// shows it, and the settings file keeps it.
void StepSpeed(App& app, int direction);

// A recording's header says the speed it was played at, so that --replay plays at it too.
std::string SpeedNote(int percent);
// The speed from a recording's header lines, or nullopt when they do not give one.
std::optional<int> RecordedSpeed(std::istream& recording);

}  // namespace platform
