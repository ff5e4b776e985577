// Where input goes: keys through their bindings and pads through their layout, either to the
// screens' button focus, to the active form as the game's key codes, or to what is new around
// the game (pause, mute, screenshots, fullscreen).
#pragma once
#include "platform/input_event.hpp"
#include "platform/key_bindings.hpp"
#include "platform/pad_state.hpp"
#include "platform/screen_entry_guard.hpp"

namespace platform {

class App;
class Form;
class Timer;

class InputRouter {
  public:
    // The window where levels are played and the timer that drives them: what pause holds.
    void SetPlayWindow(Form* form, Timer* timer);
    Form* PlayWindow() const { return playWindow_; }
    Timer* PlayTimer() const { return playTimer_; }

    void SetBindings(const KeyBindings& bindings) { bindings_ = bindings; }
    const KeyBindings& bindings() const { return bindings_; }
    void SetDeadZone(int percent) { pads_.SetDeadZone(percent); }
    void SetPauseOnFocusLoss(bool on) { pauseOnFocusLoss_ = on; }
    // 0 to 100; what the sound plays at while not muted.
    void SetVolume(App& app, int percent);

    // A level is running in the play window (paused or not).
    bool Playing() const;
    bool Paused() const;
    void Pause(App& app);
    void Resume(App& app);
    bool Muted() const { return muted_; }
    const PadState& pads() const { return pads_; }

    // Keys, pads and focus changes.
    void Route(App& app, const InputEvent& event);
    // A click in the paused play window resumes play (and does nothing else); true if so.
    bool ClickResumes(App& app, const InputEvent& event);
    // A form has just come to the front and takes the keys from now on.
    void FormTookKeys(App& app, Form& form);

  private:
    enum class Nav { kNone, kPrevious, kNext, kPress, kBack };
    void Key(App& app, const InputEvent& event);
    void Pad(App& app, const InputEvent& event);
    void PadChanged(App& app, PadControl control, bool held);
    void Focus(App& app, const InputEvent& event);
    // Pause, mute, screenshot, fullscreen; false for the other actions.
    bool AroundTheGame(App& app, Action action);
    Nav NavOfKey(int key, Action action) const;
    void Navigate(Form& form, Nav nav, bool repeat);
    void GameKey(Form& form, Action action, bool down);
    bool AnyPadHolds(Action action) const;

    KeyBindings bindings_;
    PadState pads_;
    Form* playWindow_ = nullptr;
    Timer* playTimer_ = nullptr;
    bool pauseOnFocusLoss_ = true;
    bool muted_ = false;
    int volume_ = 100;
    bool shiftHeld_[2] = {false, false};
    Form* keyForm_ = nullptr;  // the form that took the keys last
    ScreenEntryGuard entryGuard_;
};

// What a pad control means during play: the arrows, jump, fire; kNone for the rest.
Action PlayActionOfPad(PadControl control);

}  // namespace platform
