// Timers: fire their handler every `interval` milliseconds while enabled and the form is loaded.
#pragma once
#include <cstdint>
#include <functional>

#include "platform/forms/control.hpp"

namespace platform {

class Timer : public Control {
  public:
    Timer(Form& owner, std::string name, int intervalMs, std::function<void()> handler);
    ~Timer() override;

    void SetEnabled(bool enabled);
    bool Enabled() const;
    bool enabledNow() const { return enabled_; }  // without the loading rule
    int interval() const { return interval_; }
    // Held back without being disabled (the game's pause): no event fires while paused, and
    // the first one after comes a whole interval after the resume.
    void SetPaused(bool paused);
    bool paused() const { return paused_; }

    bool IsVisual() const override { return false; }
    void Draw(Surface&) const override {}
    void Release() override {
        enabled_ = false;
        paused_ = false;
    }

    // For the scheduler.
    int64_t dueMicros() const { return due_; }
    // Puts the next event back where it was (a pause that took no game time).
    void SetDueMicros(int64_t micros) { due_ = micros; }
    bool IsDue(int64_t nowMicros) const;
    // `catchUpMicros`: how much lost time is caught up (0: a whole interval late skips).
    void Fire(int64_t nowMicros, int64_t catchUpMicros = 0);

  private:
    int interval_;
    std::function<void()> handler_;
    bool enabled_ = false;
    bool running_ = false;
    bool paused_ = false;
    int64_t due_ = 0;
    bool started_ = false;  // enabled or resumed since its last event
};

}  // namespace platform
