#include "platform/forms/app.hpp"

#include <algorithm>

#include "platform/forms/form.hpp"
#include "platform/forms/timer.hpp"

namespace platform {

App& App::Get() {
    static App app;
    return app;
}

App::App() : clock_(std::make_unique<VirtualClock>()), input_(CreateInputRouter()) {}

void App::SetFrontend(std::unique_ptr<Frontend> frontend) {
    frontend_ = std::move(frontend);
}

void App::SetClock(std::unique_ptr<Clock> clock) {
    clock_ = std::move(clock);
}

void App::RegisterForm(Form* form) {
    forms_.push_back(form);
}

void App::UnregisterForm(Form* form) {
    std::erase(forms_, form);
    RemoveFromScreen(form);
}

void App::RegisterTimer(Timer* timer) {
    timers_.push_back(timer);
}

void App::UnregisterTimer(Timer* timer) {
    std::erase(timers_, timer);
}

Form* App::FindForm(const std::string& name) const {
    for (Form* f : forms_)
        if (f->name() == name)
            return f;
    return nullptr;
}

bool App::AnyFormLoaded() const {
    return std::any_of(forms_.begin(), forms_.end(), [](Form* f) { return f->loaded(); });
}

void App::BringToFront(Form* form) {
    std::erase(zOrder_, form);
    zOrder_.push_back(form);
    active_ = form;
    input_->FormTookKeys(*this, *form);
    if (frontend_)
        frontend_->Shown(*this, *form);
}

void App::Raise(Form* form) {
    if (std::find(zOrder_.begin(), zOrder_.end(), form) == zOrder_.end())
        return;
    std::erase(zOrder_, form);
    zOrder_.push_back(form);
}

void App::RemoveFromScreen(Form* form) {
    std::erase(zOrder_, form);
    if (active_ == form)
        active_ = nullptr;
}

Form* App::ActiveForm() const {
    if (active_)
        return active_;
    return zOrder_.empty() ? nullptr : zOrder_.back();
}

bool App::ActsOn(const InputEvent& e) const {
    switch (e.kind) {
        case InputEvent::Kind::kKeyDown:
        case InputEvent::Kind::kKeyUp:
            return ActiveForm() != nullptr;
        case InputEvent::Kind::kClick:
        case InputEvent::Kind::kMouseMove:
        case InputEvent::Kind::kClose:
            return e.form && e.form->visible();
        default:
            return true;  // pads and focus: always taken in
    }
}

void App::Deliver(const InputEvent& e) {
    if (inputObserver_ && ActsOn(e))
        inputObserver_(e);
    switch (e.kind) {
        case InputEvent::Kind::kClick:
            stats_.RecordClick(RealMicros());
            if (e.form && e.form->visible() && !input_->ClickResumes(*this, e))
                e.form->DeliverClick(e.control);
            break;
        case InputEvent::Kind::kMouseMove:
            if (e.form && e.form->visible()) {
                // The mouse takes over from the keyboard's button focus.
                e.form->SetFocusedButton(nullptr);
                e.form->DeliverMouseMove(e.control);
            }
            break;
        case InputEvent::Kind::kClose:
            if (e.form && e.form->visible())
                e.form->CloseBox();
            break;
        default:
            input_->Route(*this, e);
            break;
    }
}

void App::DoEvents() {
    if (timersRunning_ > 0)
        ++doEventsInTimerEvent_;
    if (frontend_ && pollInDoEvents_)
        frontend_->Poll(*this, pending_);
    if (setupDepth_ > 0 && !duringSetup_.empty()) {
        pending_.insert(pending_.end(), duringSetup_.begin(), duringSetup_.end());
        duringSetup_.clear();
    }
    // Deliver what is pending now; input arriving while a handler runs waits for the next call.
    // A click or close box while a timer handler or a set-up runs is acted on once that has
    // finished, so that a tick never loses its window half-way and a set-up never has its
    // pictures freed or a second set-up started inside it. Keys and mouse moves go through.
    const bool holdWindowInput = timersRunning_ > 0 || setupDepth_ > 0;
    std::vector<InputEvent> batch, deferred;
    batch.swap(pending_);
    for (size_t i = 0; i < batch.size(); ++i) {
        if (holdWindowInput && (batch[i].kind == InputEvent::Kind::kClose ||
                                batch[i].kind == InputEvent::Kind::kClick)) {
            deferred.push_back(batch[i]);
            continue;
        }
        try {
            Deliver(batch[i]);
        } catch (...) {
            pending_.insert(pending_.begin(), batch.begin() + long(i) + 1, batch.end());
            pending_.insert(pending_.begin(), deferred.begin(), deferred.end());
            throw;
        }
    }
    pending_.insert(pending_.begin(), deferred.begin(), deferred.end());
    FireDueTimers();
}

void App::FireDueTimers() {
    const int64_t now = NowMicros();
    // In due-time order; a copy, because handlers may create or stop timers.
    std::vector<Timer*> due;
    for (Timer* t : timers_)
        if (t->IsDue(now))
            due.push_back(t);
    std::stable_sort(due.begin(), due.end(),
                     [](Timer* a, Timer* b) { return a->dueMicros() < b->dueMicros(); });
    for (Timer* t : due) {
        if (!t->IsDue(NowMicros()))
            continue;
        ++timersRunning_;
        struct Done {
            int& depth;
            ~Done() { --depth; }
        } done{timersRunning_};
        ++timerEventsRun_;
        doEventsInTimerEvent_ = 0;
        t->Fire(NowMicros(), frontend_ ? frontend_->TimerCatchUpMicros() : 0);
    }
}

int64_t App::NextTimerDue() const {
    int64_t best = -1;
    for (Timer* t : timers_)
        if (t->enabledNow() && !t->paused() && t->owner().loaded() && t->interval() > 0 &&
            (best < 0 || t->dueMicros() < best))
            best = t->dueMicros();
    return best;
}

void App::EndIfNoWindowShown() {
    if (!zOrder_.empty())
        return;
    const std::vector<Form*> forms = forms_;
    for (Form* f : forms)
        if (f->loaded())
            f->Unload();
    if (zOrder_.empty())
        EndProcess(0);
}

void App::EndProcess(int status) {
    throw ProcessExit{status};
}

void App::TraceEvent(std::string_view event, std::string_view key, std::string_view value) {
    tracer_.Event(NowMs(), event, key, value);
}

}  // namespace platform
