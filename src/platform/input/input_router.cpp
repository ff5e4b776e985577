#include "platform/input/input_router.hpp"

#include "platform/display/screenshot.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/button_focus.hpp"
#include "platform/forms/form.hpp"
#include "platform/forms/timer.hpp"
#include "platform/input/game_speed.hpp"
#include "platform/input/menu_navigation.hpp"

namespace platform {

Action PlayActionOfPad(PadControl control) {
    if (control == PadControl::kRightTrigger)
        return Action::kFire;
    const std::optional<PadButton> button = SteeringButtonOf(control);
    if (!button)
        return Action::kNone;
    switch (*button) {
        case PadButton::kDpadLeft:
            return Action::kLeft;
        case PadButton::kDpadRight:
            return Action::kRight;
        case PadButton::kDpadUp:
            return Action::kUp;
        case PadButton::kDpadDown:
            return Action::kDown;
        case PadButton::kA:
            return Action::kJump;
        case PadButton::kX:
        case PadButton::kB:
            return Action::kFire;
        default:
            // No single pad button quits: Escape has no pad twin.
            return Action::kNone;
    }
}

std::unique_ptr<InputSink> CreateInputRouter() {
    return std::make_unique<InputRouter>();
}

InputRouter& Input(App& app) {
    // The application's sink is always the one CreateInputRouter made.
    return static_cast<InputRouter&>(app.input());
}

void InputRouter::Route(App& app, const InputEvent& e) {
    using K = InputEvent::Kind;
    switch (e.kind) {
        case K::kKeyDown:
        case K::kKeyUp:
            Key(app, e);
            break;
        case K::kPadAdded:
        case K::kPadRemoved:
        case K::kPadButtonDown:
        case K::kPadButtonUp:
        case K::kPadAxis:
            Pad(app, e);
            break;
        case K::kFocusGained:
        case K::kFocusLost:
            Focus(app, e);
            break;
        default:
            break;
    }
}

bool InputRouter::ClickResumes(App& app, const InputEvent& e) {
    if (!Paused() || e.form != playWindow())
        return false;
    Resume(app);
    return true;
}

void InputRouter::FormTookKeys(App& app, Form& form) {
    // A screen that comes up while the play window has the keys opened by itself, under the
    // player's hands.
    const bool openedByPlay = keyForm_ && keyForm_ == playWindow() && &form != playWindow();
    keyForm_ = &form;
    entryGuard_.ScreenTookKeys(app.NowMicros(), openedByPlay, pads_);
}

bool InputRouter::AroundTheGame(App& app, Action action) {
    switch (action) {
        case Action::kPause:
            pause_.TogglePause(app);
            return true;
        case Action::kMute:
            pause_.ToggleMute(app);
            return true;
        case Action::kScreenshot:
            SaveScreenshot(app);
            return true;
        case Action::kFullscreen:
            app.frontend().ToggleFullscreen();
            return true;
        case Action::kSlower:
        case Action::kFaster:
            if (Playing())
                StepSpeed(app, action == Action::kFaster ? +1 : -1);
            return true;
        default:
            return false;
    }
}

void InputRouter::GameKey(Form& form, Action action, bool down) {
    const int code = GameKeyCodeOf(action);
    if (code == 0)
        return;
    if (down) {
        // Nothing in the world changes while paused; a release still clears its flag.
        if (&form == playWindow() && Paused())
            return;
        form.DeliverKeyDown(code);
    } else {
        form.DeliverKeyUp(code);
    }
}

void InputRouter::Key(App& app, const InputEvent& e) {
    const bool down = e.kind == InputEvent::Kind::kKeyDown;
    if (e.key == kPhysLeftShift || e.key == kPhysRightShift)
        shiftHeld_[e.key == kPhysRightShift] = down;
    entryGuard_.KeyChanged(e.key, down);
    const Action action = bindings_.ActionOf(e.key);
    if (GameKeyCodeOf(action) == 0 && action != Action::kNone) {
        // Pause, mute, screenshot, fullscreen, speed: once per press, not on auto-repeat.
        if (down && !e.repeat)
            AroundTheGame(app, action);
        return;
    }
    Form* active = app.ActiveForm();
    if (!active)
        return;
    // The form hears its key as always (the game's screens do nothing with it); on a screen
    // with buttons the key also moves the button focus.
    GameKey(*active, action, down);
    if (down && active == app.ActiveForm() && HasPictureButtons(*active) &&
        entryGuard_.KeyMayAct(e.key, app.NowMicros()))
        Navigate(*active, MenuMoveOfKey(e.key, action, shiftHeld_[0] || shiftHeld_[1]), e.repeat);
}

bool InputRouter::AnyPadHolds(Action action) const {
    for (int c = 0; c < int(PadControl::kCount); ++c)
        if (PlayActionOfPad(PadControl(c)) == action && pads_.AnyHolds(PadControl(c)))
            return true;
    return false;
}

void InputRouter::Pad(App& app, const InputEvent& e) {
    using K = InputEvent::Kind;
    std::vector<PadChange> changes;
    const std::string id = std::to_string(e.pad);
    switch (e.kind) {
        case K::kPadAdded:
            if (pads_.Connected(e.pad))
                return;
            pads_.Add(e.pad);
            app.TraceEvent("pad-added", "pad", id);
            return;
        case K::kPadRemoved:
            if (!pads_.Connected(e.pad))
                return;
            changes = pads_.Remove(e.pad);
            app.TraceEvent("pad-removed", "pad", id);
            break;
        case K::kPadButtonDown:
        case K::kPadButtonUp:
            changes = pads_.Button(e.pad, e.button, e.kind == K::kPadButtonDown);
            break;
        case K::kPadAxis:
            changes = pads_.Axis(e.pad, e.axis, e.value);
            break;
        default:
            return;
    }
    for (const PadChange& c : changes) {
        if (!c.held && !pads_.AnyHolds(c.control))
            entryGuard_.PadReleased(c.control);
        PadChanged(app, c.control, c.held);
    }
}

void InputRouter::PadChanged(App& app, PadControl control, bool held) {
    Form* active = app.ActiveForm();
    if (!active)
        return;
    const bool start = control == ControlOf(PadButton::kStart);
    if (HasPictureButtons(*active)) {
        if (!held || !entryGuard_.PadMayAct(control, app.NowMicros()))
            return;
        Navigate(*active, MenuMoveOfPad(control), false);
        return;
    }
    if (start) {
        if (held)
            AroundTheGame(app, Action::kPause);
        return;
    }
    const Action action = PlayActionOfPad(control);
    if (action == Action::kNone)
        return;
    // Several pad inputs can hold one action (d-pad and stick, X and B): it is released when
    // the last of them is.
    if (held)
        GameKey(*active, action, true);
    else if (!AnyPadHolds(action))
        GameKey(*active, action, false);
}

void InputRouter::Focus(App& app, const InputEvent& e) {
    const char* what = e.kind == InputEvent::Kind::kFocusGained ? "focus" : "blur";
    if (e.form)
        app.TraceEvent(what, "form", e.form->name());
    else
        app.TraceEvent(what);
    if (e.kind == InputEvent::Kind::kFocusGained)
        return;
    if (pauseOnFocusLoss_ && (!e.form || e.form == playWindow()))
        Pause(app);
}

}  // namespace platform
