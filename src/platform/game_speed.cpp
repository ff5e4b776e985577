#include "platform/game_speed.hpp"

#include <algorithm>

#include "platform/app.hpp"
#include "platform/game_settings.hpp"

namespace platform {

namespace {
constexpr const char kNotePrefix[] = "speed ";
}  // namespace

bool IsSpeedText(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != text.npos)
        return false;
    const int percent = std::stoi(text);
    return percent >= kSlowestSpeed && percent <= kFullSpeed && percent % kSpeedStep == 0;
}

void StepSpeed(App& app, int direction) {
    const int percent =
        std::clamp(app.clock().speed() + direction * kSpeedStep, kSlowestSpeed, kFullSpeed);
    app.SetSpeed(percent);
    app.frontend().ShowSpeed(percent);
    ChangeGameSetting("assist", "speed", std::to_string(percent));
}

std::string SpeedNote(int percent) {
    return kNotePrefix + std::to_string(percent) + ": played at this game speed (percent)";
}

std::optional<int> RecordedSpeed(std::istream& in) {
    const std::string mark = std::string("# ") + kNotePrefix;
    // The header is the comment lines at the top.
    for (std::string line; std::getline(in, line) && line.rfind('#', 0) == 0;) {
        if (line.rfind(mark, 0) != 0)
            continue;
        const std::string number = line.substr(mark.size(), line.find(':') - mark.size());
        if (IsSpeedText(number))
            return std::stoi(number);
    }
    return std::nullopt;
}

}  // namespace platform
