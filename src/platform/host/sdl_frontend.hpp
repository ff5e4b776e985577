// The windowed front end: one SDL window per visible form, scaled and placed for the display,
// fullscreen on request, keyboard and mouse, pads, music. Split by device: process set-up and
// the wait before a tick here (sdl_frontend.cpp), windows and presenting (sdl_windows.cpp),
// events (sdl_events.cpp), sound (sdl_audio.cpp) and pads (sdl_pads.cpp).
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/display_geometry.hpp"
#include "platform/core/surface.hpp"
#include "platform/display/frame_pacer.hpp"
#include "platform/forms/frontend.hpp"
#include "platform/host/sdl_audio.hpp"
#include "platform/host/sdl_pads.hpp"

struct SDL_Window;

namespace platform {

class Form;
class WindowPresenter;

class SdlFrontend : public Frontend {
  public:
    // nullptr when there is no display; `why` then says what failed.
    static std::unique_ptr<SdlFrontend> Create(const WindowSettings& settings, std::string& why);
    ~SdlFrontend() override;

    bool IsHeadless() const override { return false; }
    int ScreenWidth() const override { return screenWidth_; }
    int ScreenHeight() const override { return screenHeight_; }
    void Poll(App& app, std::vector<InputEvent>& out) override;
    void Shown(App& app, Form& form) override;
    void Present(App& app) override;
    void WaitUntil(App& app, int64_t dueMicros) override;
    void ShowMessage(const std::string& title, const std::string& text) override;
    void PlaySound(const std::string& path) override;
    void PauseSound(bool paused) override;
    void SetVolume(int percent) override;
    // The fullscreen action when it comes from elsewhere than this front end's own keys.
    void ToggleFullscreen() override { toggleRequested_ = true; }
    void SetTitleSuffix(const std::string& suffix) override { titleSuffix_ = suffix; }
    void ShowSpeed(int percent) override;

  private:
    struct Window {
        SDL_Window* window = nullptr;
        std::unique_ptr<WindowPresenter> presenter;
        uint64_t shownVersion = ~0ULL;
        bool shownPauseOverlay = false;
        bool shownSpeed = false;
        bool showPending = true;  // the picture or the window changed since it was last shown
        bool everShown = false;
        bool fullscreen = false;
        display::Rect shown;  // where the picture went, in drawable pixels
        std::string caption;
        int left = 0, top = 0;
    };

    SdlFrontend() = default;
    void TakeSettings(const WindowSettings& settings);
    Window& WindowFor(Form* form);
    void LearnPixelRatio(Form& form, Window& w);
    void DestroyWindow(Window& w);
    Form* FormOfWindow(uint32_t windowId) const;
    Form* FormOfNativeWindow(uint64_t nativeId) const;
    void ApplyStacking(App& app);

    // Sizes and places one window for the current scale and fullscreen state.
    void Layout(Form& form, Window& w);
    void ToggleFullscreen(App& app);
    bool WantsFullscreen(const Form& form) const;
    display::Size WindowSizeInPoints(const Form& form) const;
    display::Point WindowOriginInPoints(const Form& form) const;
    display::Rect ShownRect(const Form& form, const Window& w) const;
    bool AnyShowPending() const;
    // Whether the picture to show is that of a tick that took in a new key or pad input.
    bool AnswersInput(const App& app) const;
    // A time on the app's pace clock as real time (-1 stays -1).
    static int64_t RealTimeOf(const App& app, int64_t paceMicros);
    // Whether a changed game speed is shown over the form's picture now.
    bool ShowsSpeed(const App& app, const Form& form) const;
    // The form's picture as it goes to the screen, with the speed shown over a copy.
    const Surface& PictureFor(App& app, Form& form);
    // The game pixel under a mouse position of a form's window; nullopt on a black bar.
    std::optional<display::Point> PicturePoint(Form* form, int x, int y) const;

    int screenWidth_ = 1024, screenHeight_ = 768;
    display::Size usable_{1024, 768};    // the desktop's usable area, in window coordinates
    std::optional<double> forcedScale_;  // nullopt: auto
    double scale_ = 1;                   // game pixels to drawable pixels
    double pixelRatio_ = 1;              // drawable pixels per window coordinate
    bool pixelRatioKnown_ = false;
    bool integerOnly_ = false;
    bool fullscreen_ = false;
    bool hasWindowManager_ = true;
    bool toggleRequested_ = false;
    std::vector<int> fullscreenKeys_;  // scancodes
    std::function<void(bool)> fullscreenChanged_;
    std::shared_ptr<const Surface> icon_;
    std::string renderDriver_;
    FramePacer pacer_;
    bool inputWaiting_ = false;  // a new input not yet answered on screen
    int64_t inputTakenBy_ = 0;   // the timer event that takes it in
    static constexpr int64_t kSpeedShownMicros = 1000000;
    int64_t speedShownUntil_ = -1;  // real time
    int speedShown_ = 100;
    const Form* speedForm_ = nullptr;
    Surface speedOverlaid_;

    std::map<Form*, Window> windows_;
    std::vector<Form*> stacked_;
    Form* focused_ = nullptr;
    Form* pressForm_ = nullptr;
    void* pressControl_ = nullptr;
    host::SdlAudio audio_;
    host::SdlPads pads_;
    std::string titleSuffix_;
};

}  // namespace platform
