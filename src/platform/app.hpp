// The application: forms, timers, pending input, the clock and the trace. One per process.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.hpp"
#include "platform/frontend.hpp"
#include "platform/input_event.hpp"
#include "platform/input_router.hpp"
#include "platform/surface.hpp"
#include "platform/tick_stats.hpp"
#include "platform/trace.hpp"

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
    int64_t NowMs() const { return clock_->NowMicros() / 1000; }

    // The folder of the executable (or --app-dir), without a trailing separator.
    const std::string& Path() const { return path_; }
    void SetPath(std::string path) { path_ = std::move(path); }
    // Joins the application folder with a relative name written with backslashes
    // ("\muz\menu.wav"), using the platform's separator.
    std::string FilePath(const std::string& relative) const;
    // The inverse for traces: a path under the application folder, relative, with '/'.
    std::string RelativeName(const std::string& path) const;

    // The icon of every window.
    void SetWindowIcon(std::shared_ptr<Surface> icon) { icon_ = std::move(icon); }
    const Surface* WindowIcon() const { return icon_.get(); }

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

    // Visible forms, bottom to top; the top one is active and receives keys.
    void BringToFront(Form* form);
    void RemoveFromScreen(Form* form);
    const std::vector<Form*>& zOrder() const { return zOrder_; }
    Form* ActiveForm() const { return zOrder_.empty() ? nullptr : zOrder_.back(); }

    // Lets pending input run, then every timer that is due.
    void DoEvents();
    // Whether DoEvents collects the front end's input itself (the default). Recording and replay
    // turn it off: the runner then takes input only between timer events, as a script does,
    // never in the middle of a tick or a set-up.
    void SetPollInDoEvents(bool poll) { pollInDoEvents_ = poll; }
    void Post(const InputEvent& event) { pending_.push_back(event); }
    // The earliest due time of an enabled timer of a loaded form, or -1.
    int64_t NextTimerDue() const;

    [[noreturn]] void EndProcess(int status = 0);

    Tracer& tracer() { return tracer_; }
    TickStats& stats() { return stats_; }
    void TraceEvent(std::string_view event, std::string_view key = {}, std::string_view value = {});

    void Deliver(const InputEvent& event);
    InputRouter& input() { return input_; }

    // What goes to the screen for a form: its client area, or for the paused play window a
    // copy of it with the pause overlay. The form's own pictures never hold the overlay.
    const Surface& ScreenPicture(Form& form);
    bool HasOverlay(const Form& form) const;
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
    std::string path_ = ".";
    std::vector<Form*> forms_;
    std::vector<Form*> zOrder_;
    std::vector<Timer*> timers_;
    std::vector<InputEvent> pending_;
    int timersRunning_ = 0;
    bool pollInDoEvents_ = true;
    std::function<void(const InputEvent&)> inputObserver_;
    Tracer tracer_;
    TickStats stats_;
    std::shared_ptr<Surface> icon_;
    InputRouter input_;
    Surface overlaid_;
};

}  // namespace platform
