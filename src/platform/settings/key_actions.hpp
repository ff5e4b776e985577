// Everything a key can be bound to: one row per action, in the order the [keys] section of the
// settings file lists them, with its name there, its default keys and what it does. The key
// bindings and the settings file's table both read these rows.
#pragma once
#include <array>
#include <cstddef>

namespace platform {

enum class Action : int {
    kLeft,
    kRight,
    kUp,
    kDown,
    kJump,
    kFire,
    kQuit,
    kPause,
    kMute,
    kFullscreen,
    kScreenshot,
    kSlower,
    kFaster,
    kCount,
    kNone = -1,
};

struct ActionRow {
    Action action;
    const char* name;         // the settings key ("left", "jump", ...)
    const char* defaultKeys;  // physical key names; two keys are separated by a comma
    const char* comment;
};

inline constexpr std::array<ActionRow, size_t(Action::kCount)> kActionRows = {{
    {Action::kLeft, "left", "Left", "walk left"},
    {Action::kRight, "right", "Right", "walk right"},
    {Action::kUp, "up", "Up", "up (recorded, no effect)"},
    {Action::kDown, "down", "Down", "down (recorded, no effect)"},
    {Action::kJump, "jump", "Space", "jump"},
    {Action::kFire, "fire", "Left Ctrl, Right Ctrl", "fire"},
    {Action::kQuit, "quit", "Escape", "end the game at once"},
    {Action::kPause, "pause", "P, Pause", "pause and resume"},
    {Action::kMute, "mute", "M", "mute and unmute all sound"},
    {Action::kFullscreen, "fullscreen", "F11", "fullscreen on and off (Alt+Enter too)"},
    {Action::kScreenshot, "screenshot", "F12", "save a screenshot"},
    {Action::kSlower, "slower", "F9", "game speed one step slower (in play)"},
    {Action::kFaster, "faster", "F10", "game speed one step faster (in play)"},
}};

constexpr bool RowsFollowTheActions() {
    for (size_t i = 0; i < kActionRows.size(); ++i)
        if (kActionRows[i].action != Action(i))
            return false;
    return true;
}
static_assert(RowsFollowTheActions());

// The settings key of an action ("left", "jump", ...).
constexpr const char* ActionName(Action action) {
    return kActionRows[size_t(action)].name;
}

}  // namespace platform
