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
    if (enabled && !enabled_)
        due_ = App::Get().NowMicros() + int64_t(interval_) * 1000;
    enabled_ = enabled;
}

bool Timer::Enabled() const {
    Touch();
    return enabled_;
}

void Timer::SetPaused(bool paused) {
    if (paused_ && !paused)
        due_ = App::Get().NowMicros() + int64_t(interval_) * 1000;
    paused_ = paused;
}

bool Timer::IsDue(int64_t nowMicros) const {
    return enabled_ && !paused_ && !running_ && interval_ > 0 && owner().loaded() &&
           nowMicros >= due_;
}

void Timer::Fire(int64_t nowMicros) {
    // The next event is due one period after this one was due, so the rate cannot drift;
    // a timer that fell more than a period behind skips the lost events instead of bursting.
    const int64_t period = int64_t(interval_) * 1000;
    due_ += period;
    if (due_ <= nowMicros)
        due_ = nowMicros + period;
    running_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};
    handler_();
}

}  // namespace platform
