#include "platform/paced_runner.hpp"

#include <algorithm>

#include "platform/app.hpp"
#include "platform/input_recorder.hpp"
#include "platform/script_input.hpp"

namespace platform {

namespace {

// A timer event later than this is not caught up: the real time it lost (a set-up, a slow
// frame) is dropped from the clock, as the windowed timers skip what they missed.
constexpr int64_t kMaxLateMicros = 10'000;

void Play(App& app, const InputEvent& e) {
    app.Post(e);
    app.DoEvents();
    app.EndIfNoWindowShown();
}

}  // namespace

void ScriptFeed::AtLimit(App& app) {
    for (; next_ < commands_.size(); ++next_) {
        const ScriptCommand& c = commands_[next_];
        if (c.kind == ScriptCommand::Kind::kWait) {
            limit_ += c.ms * 1000;
            ++next_;
            return;
        }
        PlayCommand(app, c, strict_);
        app.EndIfNoWindowShown();
    }
    app.EndProcess(0);
}

bool ScriptFeed::TakesFromPlayer(const InputEvent& event) const {
    return event.kind == InputEvent::Kind::kClose;
}

void RunPaced(App& app, PacedClock& clock, InputFeed& feed, InputRecorder* recorder) {
    std::vector<InputEvent> input;
    for (;;) {
        app.EndIfNoWindowShown();
        const int64_t limit = feed.Limit();
        const int64_t due = app.NextTimerDue();
        const int64_t pace = clock.PaceMicros();
        if (due >= 0 && due <= limit && pace >= due) {
            // A timer event, at exactly its due time.
            if (pace - due > kMaxLateMicros)
                clock.DropRealTime(pace - due);
            clock.Set(std::max(due, clock.NowMicros()));
            app.DoEvents();
            continue;
        }
        // Between timer events the game's time follows the real time in whole milliseconds, up
        // to the next event or the feed's limit.
        int64_t now = std::min(pace / 1000 * 1000, limit);
        if (due >= 0)
            now = std::min(now, due);
        if (now > clock.NowMicros())
            clock.Set(now);
        if (clock.NowMicros() >= limit) {
            feed.AtLimit(app);
            continue;
        }
        input.clear();
        app.frontend().Poll(app, input);
        for (const InputEvent& e : input)
            if (feed.TakesFromPlayer(e))
                Play(app, e);
        if (recorder)
            recorder->KeepUp(clock.NowMicros());
        app.frontend().Present(app);
        int64_t wake = limit == InputFeed::kNoLimit ? -1 : limit;
        if (due >= 0 && (wake < 0 || due < wake))
            wake = due;
        app.frontend().WaitUntil(app, wake);
    }
}

}  // namespace platform
