// The application: forms, timers, pending input, the clock and the trace. One per process.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/clock.hpp"
#include "platform/core/surface.hpp"
#include "platform/core/tick_stats.hpp"
#include "platform/core/trace.hpp"
#include "platform/forms/frontend.hpp"
#include "platform/forms/input_event.hpp"
#include "platform/forms/input_sink.hpp"

namespace platform {

class Form;
class Timer;

// Thrown to end the process at once; unwinds to the main loop.
struct ProcessExit {
    int status;
};

class App {
  public:
    static App& Get();

    void SetFrontend(std::unique_ptr<Frontend> frontend);
    void SetClock(std::unique_ptr<Clock> clock);
    Frontend& frontend() { return *frontend_; }
    const Clock& clock() const { return *clock_; }
    int64_t NowMicros() const { return clock_->NowMicros(); }
    int64_t RealMicros() const { return clock_->RealMicros(); }
    // The game's speed in percent (the clock runs the game's time at it).
    void SetSpeed(int percent) { clock_->SetSpeed(percent); }
    int64_t NowMs() const { return clock_->NowMicros() / 1000; }

    int ScreenWidth() const { return frontend_->ScreenWidth(); }
    int ScreenHeight() const { return frontend_->ScreenHeight(); }

    // Forms and timers register themselves when constructed.
    void RegisterForm(Form* form);
    void UnregisterForm(Form* form);
    void RegisterTimer(Timer* timer);
    void UnregisterTimer(Timer* timer);
    const std::vector<Form*>& forms() const { return forms_; }
    Form* FindForm(const std::string& name) const;
    bool AnyFormLoaded() const;

    // Visible forms, bottom to top. A form brought to the front becomes the active one, which
    // receives keys; a form only raised goes on top without taking the keys.
    void BringToFront(Form* form);
    void Raise(Form* form);
    void RemoveFromScreen(Form* form);
    const std::vector<Form*>& zOrder() const { return zOrder_; }
    Form* ActiveForm() const;

    // Lets pending input run, then every timer that is due. While a timer handler or a set-up
    // runs, clicks and close boxes wait until it has finished: nothing the player does in
    // their yields can unload what they are using or start another set-up.
    void DoEvents();
    // Whether DoEvents collects the front end's input itself (the default). Recording and replay
    // turn it off: the runner then takes input only between timer events, as a script does,
    // never in the middle of a tick or a set-up.
    void SetPollInDoEvents(bool poll) { pollInDoEvents_ = poll; }
    void Post(const InputEvent& event) { pending_.push_back(event); }
    // Scripted input that arrives at the next yield of a set-up (tests of those yields).
    void PostDuringSetup(const InputEvent& event) { duringSetup_.push_back(event); }

    // A set-up (a new game, the next level) is running: see DoEvents.
    class SetupScope {
      public:
        SetupScope() { ++Get().setupDepth_; }
        ~SetupScope() { --Get().setupDepth_; }
        SetupScope(const SetupScope&) = delete;
        SetupScope& operator=(const SetupScope&) = delete;
    };
    bool InSetup() const { return setupDepth_ > 0; }
    // The earliest due time of an enabled timer of a loaded form, or -1.
    int64_t NextTimerDue() const;
    // How many timer events have run: a front end tells by it whether a tick came after an
    // input.
    int64_t timerEventsRun() const { return timerEventsRun_; }
    // The timer event that takes input polled now: the running one while its handler has not
    // yet got past its first DoEvents (the tick's handler polls before it plays), else the next.
    int64_t timerEventTakingInput() const {
        return timerEventsRun_ + (timersRunning_ > 0 && doEventsInTimerEvent_ <= 1 ? 0 : 1);
    }

    // Ends the process once no window of it is on screen, as when its last window closes.
    // Forms still loaded hidden (a game window reloaded by the to-menu button, the picture
    // store) are unloaded on the way, so nothing is left running that nobody can see or close.
    // The runners call it between input events, never inside a handler.
    void EndIfNoWindowShown();

    [[noreturn]] void EndProcess(int status = 0);

    Tracer& tracer() { return tracer_; }
    TickStats& stats() { return stats_; }
    void TraceEvent(std::string_view event, std::string_view key = {}, std::string_view value = {});

    void Deliver(const InputEvent& event);
    // The input part's router (Input(app) in input/input_router.hpp gives its full interface).
    InputSink& input() { return *input_; }
    const InputSink& input() const { return *input_; }

    // Whether Deliver would act on the event now: a key with a form active, the rest on a
    // visible form.
    bool ActsOn(const InputEvent& event) const;
    // Sees every input the game acts on, just before it is acted on (recordings).
    void SetInputObserver(std::function<void(const InputEvent&)> observer) {
        inputObserver_ = std::move(observer);
    }

  private:
    App();
    void FireDueTimers();

    std::unique_ptr<Frontend> frontend_;
    std::unique_ptr<Clock> clock_;
    std::vector<Form*> forms_;
    std::vector<Form*> zOrder_;
    std::vector<Timer*> timers_;
    std::vector<InputEvent> pending_;
    std::vector<InputEvent> duringSetup_;
    Form* active_ = nullptr;
    int timersRunning_ = 0;
    int doEventsInTimerEvent_ = 0;  // DoEvents calls in the running timer event so far
    int setupDepth_ = 0;
    int64_t timerEventsRun_ = 0;
    bool pollInDoEvents_ = true;
    std::function<void(const InputEvent&)> inputObserver_;
    Tracer tracer_;
    TickStats stats_;
    std::unique_ptr<InputSink> input_;
};

}  // namespace platform
