#include "platform/forms/timer.hpp"

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
    // The next event is due one period after this one was due, so the rate cannot drift;
    // a timer that fell further behind than it may catch up skips the lost events instead. The
    // first event after a start is caught up only within a period: what held it back is the
    // work that started the timer (a level's set-up), not lost time.
    const int64_t period = int64_t(interval_) * 1000;
    const int64_t catchUp = catchUpMicros > 0 && !started_ ? catchUpMicros : period;
    due_ = nowMicros - due_ >= catchUp ? nowMicros + period : due_ + period;
    started_ = false;
    running_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};
    handler_();
}

}  // namespace platform
