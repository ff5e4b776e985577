// The windowed game on the headless harness's schedule, for recording and replay: the game's
// clock is paced, timer events fire at exactly their due times, and input is taken only between
// them, so a run is the same run whether played here or from a script on the virtual clock.
#pragma once
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/core/clock.hpp"
#include "platform/forms/input_event.hpp"
#include "platform/run/script.hpp"

namespace platform {

class App;
class InputRecorder;

// Where a paced run's input comes from.
class InputFeed {
  public:
    static constexpr int64_t kNoLimit = std::numeric_limits<int64_t>::max();
    virtual ~InputFeed() = default;
    // The game time the feed lets the clock run up to.
    virtual int64_t Limit() const { return kNoLimit; }
    // The clock has reached Limit(): plays what the feed has for this moment.
    virtual void AtLimit(App&) {}
    // Whether an input from the player (the window system) is acted on.
    virtual bool TakesFromPlayer(const InputEvent& event) const = 0;
    // An input the feed took from the player has just been played.
    virtual void PlayedFromPlayer(App&, const InputEvent&) {}
    // Whether the game's time stands still now (a replay the player paused).
    virtual bool Holds(App&) const { return false; }
};

// Everything the player does.
class PlayerFeed : public InputFeed {
  public:
    bool TakesFromPlayer(const InputEvent&) const override { return true; }
};

// A script played at real speed. Of the player's input only closing a window and the pause keys
// count; a pause the player makes holds the script's time, so its inputs wait for the resume.
class ScriptFeed : public InputFeed {
  public:
    ScriptFeed(std::vector<ScriptCommand> commands, bool strict)
        : commands_(std::move(commands)), strict_(strict) {}
    int64_t Limit() const override { return limit_; }
    void AtLimit(App& app) override;
    bool TakesFromPlayer(const InputEvent& event) const override;
    void PlayedFromPlayer(App& app, const InputEvent& event) override;
    bool Holds(App& app) const override;

  private:
    std::vector<ScriptCommand> commands_;
    bool strict_;
    size_t next_ = 0;
    int64_t limit_ = 0;
    bool playerPaused_ = false;
    int64_t dueWhenPaused_ = 0;  // the play timer's next event when the player paused
};

// Plays everything due, up to the first wait, and returns the time (micros on the game clock) to
// come back at; -1: only input can wake it. Throws ProcessExit when the game ends.
int64_t PacedTurn(App& app, PacedClock& clock, InputFeed& feed, InputRecorder* recorder);

// Runs until the process ends. `recorder` (may be null) is kept up to date between events.
[[noreturn]] void RunPaced(App& app, PacedClock& clock, InputFeed& feed, InputRecorder* recorder);

}  // namespace platform
