// What the application needs from a front end: real SDL windows, or nothing at all (headless).
#pragma once
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/surface.hpp"
#include "platform/forms/input_event.hpp"

namespace platform {

class App;
class Form;

// One turn of a runner's loop: runs what is due and returns the time (micros on the app clock)
// it wants the next turn at, or -1 when only input can wake it.
using LoopTurn = std::function<int64_t()>;
// Finishes a run whose turn threw (the game's end): returns the exit status.
using LoopEnd = std::function<int(std::exception_ptr)>;

class Frontend {
  public:
    virtual ~Frontend() = default;
    virtual bool IsHeadless() const = 0;
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    // Collects pending input without waiting.
    virtual void Poll(App& app, std::vector<InputEvent>& out) = 0;
    // A form has just been shown: its window appears now, not at the next frame.
    virtual void Shown(App& /*app*/, Form& /*form*/) {}
    // Puts what changed on the visible forms on screen.
    virtual void Present(App& app) = 0;
    // Sleeps until input arrives or the due time (micros on the app clock) is reached;
    // dueMicros < 0 means no timer is pending.
    virtual void WaitUntil(App& app, int64_t dueMicros) = 0;
    // Turns the loop until a turn throws, sleeping in between, then returns what `end` makes of
    // it. A host that may not sleep (a browser page) hands the turns to its own main loop and
    // returns nullopt at once; it calls `end` itself when a turn throws.
    virtual std::optional<int> Loop(App& app, LoopTurn turn, LoopEnd end) {
        try {
            for (;;) WaitUntil(app, turn());
        } catch (...) {
            return end(std::current_exception());
        }
    }
    // How much lost time a late timer catches up: the events it missed run at once, on their
    // due times, until it is back on time; lateness beyond this is dropped. 0: none, a timer a
    // whole interval late skips what it missed, as desktop timers do.
    virtual int64_t TimerCatchUpMicros() const { return 0; }
    // A blocking message box where there is a display.
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    // Plays a WAV file once, cutting off the sound in progress; the default alert on failure.
    virtual void PlaySound(const std::string& path) = 0;
    // Holds the sound in progress where it is, or lets it go on.
    virtual void PauseSound(bool /*paused*/) {}
    // The volume of all sound, 0 to 100 (0 while muted).
    virtual void SetVolume(int /*percent*/) {}
    virtual void ToggleFullscreen() {}
    // Added to every window's title (a replay says so); nothing to do without windows.
    virtual void SetTitleSuffix(const std::string& /*suffix*/) {}
    // The game's speed has just changed: shown over the play window's picture for a moment.
    virtual void ShowSpeed(int /*percent*/) {}
};

// What the windowed front end is handed from the settings (the run part reads them once).
struct WindowSettings {
    std::optional<double> scale;          // game pixels to screen pixels; nullopt: fit the desktop
    bool integerScaling = false;          // whole-number scale factors only
    bool fullscreen = false;              // start in borderless fullscreen
    std::vector<int> fullscreenKeys;      // physical keys that toggle it (Alt+Enter always does)
    std::filesystem::path padMappings;    // a gamecontrollerdb.txt beside the settings file
    std::shared_ptr<const Surface> icon;  // every window's icon; none: the window system's
    // The player toggled fullscreen; the settings part remembers it.
    std::function<void(bool fullscreen)> fullscreenChanged;
};

// The windowed front end, made by the host part (the only code that sees SDL); nullptr when
// there is no display, and `why` then says what failed.
std::unique_ptr<Frontend> CreateWindowedFrontend(const WindowSettings& settings, std::string& why);

}  // namespace platform
