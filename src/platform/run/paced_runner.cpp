#include "platform/run/paced_runner.hpp"

#include <algorithm>

#include "platform/forms/app.hpp"
#include "platform/forms/timer.hpp"
#include "platform/input/input_router.hpp"
#include "platform/run/input_recorder.hpp"
#include "platform/run/script_input.hpp"

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

// How often a held game looks for the player's resume.
constexpr int64_t kHeldWaitMicros = 10'000;

// The player's input between timer events, then the windows brought up to date.
void TakeInput(App& app, PacedClock& clock, InputFeed& feed, InputRecorder* recorder,
               std::vector<InputEvent>& input) {
    input.clear();
    app.frontend().Poll(app, input);
    for (const InputEvent& e : input)
        if (feed.TakesFromPlayer(e)) {
            Play(app, e);
            feed.PlayedFromPlayer(app, e);
        }
    if (recorder)
        recorder->KeepUp(clock.NowMicros());
    app.frontend().Present(app);
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

namespace {

bool IsPauseKey(App& app, const InputEvent& e) {
    return e.kind == InputEvent::Kind::kKeyDown && !e.repeat &&
           Input(app).bindings().ActionOf(e.key) == Action::kPause;
}

}  // namespace

bool ScriptFeed::TakesFromPlayer(const InputEvent& event) const {
    if (event.kind == InputEvent::Kind::kClose)
        return true;
    // The player pauses a playing level, and resumes only a pause of their own: a pause the
    // recording holds is the recording's to end.
    App& app = App::Get();
    if (!IsPauseKey(app, event) || !Input(app).Playing())
        return false;
    return !Input(app).Paused() || playerPaused_;
}

void ScriptFeed::PlayedFromPlayer(App& app, const InputEvent& event) {
    if (!IsPauseKey(app, event))
        return;
    Timer* timer = Input(app).playTimer();
    if (Input(app).Paused()) {
        playerPaused_ = true;
        dueWhenPaused_ = timer->dueMicros();
    } else if (playerPaused_) {
        // The pause took no game time, so the ticks keep the recording's rhythm (a resume
        // would put the next one a whole interval away).
        playerPaused_ = false;
        timer->SetDueMicros(dueWhenPaused_);
    }
}

bool ScriptFeed::Holds(App& app) const {
    return playerPaused_ && Input(app).Paused();
}

int64_t PacedTurn(App& app, PacedClock& clock, InputFeed& feed, InputRecorder* recorder) {
    std::vector<InputEvent> input;
    for (;;) {
        app.EndIfNoWindowShown();
        if (feed.Holds(app)) {
            // The game's time stands still: the real time of the pause is dropped.
            const int64_t held = clock.PaceMicros() - clock.NowMicros();
            if (held > 0)
                clock.DropRealTime(held);
            TakeInput(app, clock, feed, recorder, input);
            return clock.NowMicros() + kHeldWaitMicros;
        }
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
        TakeInput(app, clock, feed, recorder, input);
        int64_t wake = limit == InputFeed::kNoLimit ? -1 : limit;
        if (due >= 0 && (wake < 0 || due < wake))
            wake = due;
        return wake;
    }
}

void RunPaced(App& app, PacedClock& clock, InputFeed& feed, InputRecorder* recorder) {
    for (;;) app.frontend().WaitUntil(app, PacedTurn(app, clock, feed, recorder));
}

}  // namespace platform
