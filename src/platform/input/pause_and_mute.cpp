#include "platform/input/pause_and_mute.hpp"

#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/forms/timer.hpp"

namespace platform {

void PauseAndMute::SetPlayWindow(Form* form, Timer* timer) {
    playWindow_ = form;
    playTimer_ = timer;
}

bool PauseAndMute::Playing() const {
    return playWindow_ && playTimer_ && playWindow_->loaded() && playWindow_->visible() &&
           playTimer_->enabledNow();
}

bool PauseAndMute::Paused() const {
    return playTimer_ && playTimer_->paused();
}

void PauseAndMute::Pause(App& app) {
    if (!Playing() || Paused())
        return;
    playTimer_->SetPaused(true);
    app.frontend().PauseSound(true);
    app.TraceEvent("pause");
}

void PauseAndMute::Resume(App& app) {
    if (!Paused())
        return;
    playTimer_->SetPaused(false);
    app.frontend().PauseSound(false);
    app.TraceEvent("resume");
}

void PauseAndMute::TogglePause(App& app) {
    if (Paused())
        Resume(app);
    else
        Pause(app);
}

void PauseAndMute::ToggleMute(App& app) {
    muted_ = !muted_;
    app.frontend().SetVolume(muted_ ? 0 : volume_);
    app.TraceEvent(muted_ ? "mute" : "unmute");
}

void PauseAndMute::SetVolume(App& app, int percent) {
    volume_ = percent;
    app.frontend().SetVolume(muted_ ? 0 : volume_);
}

}  // namespace platform
