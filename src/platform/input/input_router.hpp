// Where input goes: keys through their bindings and pads through their layout, either to the
// screens' button focus (menu_navigation), to the active form as the game's key codes, or to
// what is new around the game (pause and mute, screenshots, fullscreen).
#pragma once
#include "platform/forms/input_event.hpp"
#include "platform/forms/input_sink.hpp"
#include "platform/input/key_bindings.hpp"
#include "platform/input/pad_state.hpp"
#include "platform/input/pause_and_mute.hpp"
#include "platform/input/screen_entry_guard.hpp"

namespace platform {

class App;
class Form;
class Timer;

class InputRouter : public InputSink {
  public:
    // The window where levels are played and the timer that drives them: what pause holds.
    void SetPlayWindow(Form* form, Timer* timer) { pause_.SetPlayWindow(form, timer); }
    Form* playWindow() const { return pause_.playWindow(); }
    Timer* playTimer() const { return pause_.playTimer(); }

    void SetBindings(const KeyBindings& bindings) { bindings_ = bindings; }
    const KeyBindings& bindings() const { return bindings_; }
    void SetDeadZone(int percent) { pads_.SetDeadZone(percent); }
    void SetPauseOnFocusLoss(bool on) { pauseOnFocusLoss_ = on; }
    // 0 to 100; what the sound plays at while not muted.
    void SetVolume(App& app, int percent) { pause_.SetVolume(app, percent); }

    // A level is running in the play window (paused or not).
    bool Playing() const { return pause_.Playing(); }
    bool Paused() const { return pause_.Paused(); }
    void Pause(App& app) { pause_.Pause(app); }
    void Resume(App& app) { pause_.Resume(app); }
    bool muted() const { return pause_.muted(); }
    const PadState& pads() const { return pads_; }

    void Route(App& app, const InputEvent& event) override;
    bool ClickResumes(App& app, const InputEvent& event) override;
    bool ShowsPaused(const Form& form) const override { return pause_.ShowsPaused(form); }
    void FormTookKeys(App& app, Form& form) override;

  private:
    void Key(App& app, const InputEvent& event);
    void Pad(App& app, const InputEvent& event);
    void PadChanged(App& app, PadControl control, bool held);
    void Focus(App& app, const InputEvent& event);
    // Pause, mute, screenshot, fullscreen, speed; false for the other actions.
    bool AroundTheGame(App& app, Action action);
    void GameKey(Form& form, Action action, bool down);
    bool AnyPadHolds(Action action) const;

    KeyBindings bindings_;
    PadState pads_;
    PauseAndMute pause_;
    bool pauseOnFocusLoss_ = true;
    bool shiftHeld_[2] = {false, false};
    Form* keyForm_ = nullptr;  // the form that took the keys last
    ScreenEntryGuard entryGuard_;
};

// The application's router (App::input(), which CreateInputRouter made).
InputRouter& Input(App& app);

// What a pad control means during play: the arrows, jump, fire; kNone for the rest.
Action PlayActionOfPad(PadControl control);

}  // namespace platform
