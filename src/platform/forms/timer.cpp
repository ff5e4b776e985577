#include "platform/forms/timer.hpp"

#include <algorithm>

#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"

namespace platform {

Timer::Timer(Form& owner, std::string name, int intervalMs, std::function<void()> handler)
    : Control(owner, std::move(name), 0, 0, 0, 0),
      interval_(intervalMs),
      handler_(std::move(handler)) {
    App::Get().RegisterTimer(this);
}

Timer::~Timer() {
    App::Get().UnregisterTimer(this);
}

void Timer::SetEnabled(bool enabled) {
    Touch();
    if (enabled && !enabled_) {
        due_ = App::Get().NowMicros() + int64_t(interval_) * 1000;
        started_ = true;
    }
    enabled_ = enabled;
}

bool Timer::Enabled() const {
    Touch();
    return enabled_;
}

void Timer::SetPaused(bool paused) {
    if (paused_ && !paused) {
        due_ = App::Get().NowMicros() + int64_t(interval_) * 1000;
        started_ = true;
    }
    paused_ = paused;
}

bool Timer::IsDue(int64_t nowMicros) const {
    return enabled_ && !paused_ && !running_ && interval_ > 0 && owner().loaded() &&
           nowMicros >= due_;
}

void Timer::Fire(int64_t nowMicros, int64_t catchUpMicros) {
    // The next event is due one period after this one was due, so the rate cannot drift. A
    // desktop timer that fell a period behind skips the lost events instead; a front end with
    // a catch-up runs them, and drops only what lies beyond it. The first event after a start
    // keeps the desktop's rule: what held it back is the work that started the timer (a
    // level's set-up), not lost time.
    const int64_t period = int64_t(interval_) * 1000;
    const int64_t late = nowMicros - due_;
    if (catchUpMicros <= 0 || started_)
        due_ = late >= period ? nowMicros + period : due_ + period;
    else
        due_ += period + std::max<int64_t>(0, late - catchUpMicros);
    started_ = false;
    running_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};
    handler_();
}

}  // namespace platform
