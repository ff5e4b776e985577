// Pause and mute around the game: the play window and the timer that drives its levels, which
// pause holds (and the sound with it), and the volume the sound plays at unless muted.
#pragma once

namespace platform {

class App;
class Form;
class Timer;

class PauseAndMute {
  public:
    void SetPlayWindow(Form* form, Timer* timer);
    Form* playWindow() const { return playWindow_; }
    Timer* playTimer() const { return playTimer_; }

    // A level is running in the play window (paused or not).
    bool Playing() const;
    bool Paused() const;
    void Pause(App& app);
    void Resume(App& app);
    void TogglePause(App& app);
    // The paused play window is shown under the pause overlay.
    bool ShowsPaused(const Form& form) const { return &form == playWindow_ && Paused(); }

    bool muted() const { return muted_; }
    void ToggleMute(App& app);
    // 0 to 100; what the sound plays at while not muted.
    void SetVolume(App& app, int percent);

  private:
    Form* playWindow_ = nullptr;
    Timer* playTimer_ = nullptr;
    bool muted_ = false;
    int volume_ = 100;
};

}  // namespace platform
