// The browser's front end: every visible form drawn on the page's one canvas as fullscreen
// shows them (the full-size screens fitted with black bars, the smaller ones above them at the
// window scale), keys, mouse, pads and focus through SDL's browser port, sound through
// SDL_mixer, and the loop turned by the browser.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/display_geometry.hpp"
#include "platform/display/frame_pacer.hpp"
#include "platform/forms/frontend.hpp"
#include "platform/host/sdl_pads.hpp"
#include "platform/web/canvas.hpp"
#include "platform/web/page_files.hpp"

struct SDL_Window;
typedef struct _Mix_Music Mix_Music;

namespace platform::web {

class WebFrontend : public Frontend {
  public:
    // nullptr when SDL cannot start on the page; `why` then says what failed.
    static std::unique_ptr<WebFrontend> Create(const WindowSettings& settings, std::string& why);
    ~WebFrontend() override;

    bool IsHeadless() const override { return false; }
    int ScreenWidth() const override { return canvas_.size().width; }
    int ScreenHeight() const override { return canvas_.size().height; }
    void Poll(App& app, std::vector<InputEvent>& out) override;
    void Shown(App& app, Form& form) override;
    void Present(App& app) override;
    // Never called: the browser's loop waits (see Loop).
    void WaitUntil(App&, int64_t) override {}
    std::optional<int> Loop(App& app, LoopTurn turn, LoopEnd end) override;
    // A page's turns come late more often than a desktop's wake-ups (timeouts are coarse, a
    // frame's drawing can take longer than a tick): timers catch up what they lost, up to this.
    int64_t TimerCatchUpMicros() const override { return kTimerCatchUpMicros; }
    static constexpr int64_t kTimerCatchUpMicros = 200'000;
    // One step of the browser's main loop (see Loop); called from the page.
    static void Step();
    void ShowMessage(const std::string& title, const std::string& text) override;
    void PlaySound(const std::string& path) override;
    void PauseSound(bool paused) override;
    void SetVolume(int percent) override;
    void ToggleFullscreen() override { toggleRequested_ = true; }
    void SetTitleSuffix(const std::string& suffix) override { titleSuffix_ = suffix; }

  private:
    WebFrontend() = default;
    void OpenAudio();
    // Where a form's picture goes on the canvas.
    display::Rect ShownRect(const Form& form) const;
    // The topmost form whose picture is under a mouse position, and the game pixel there.
    Form* FormAt(App& app, int x, int y, display::Point& at) const;
    void TranslateMouse(App& app, const union SDL_Event& e, std::vector<InputEvent>& out);
    bool NeedsDrawing(App& app) const;
    void Draw(App& app);

    SDL_Window* window_ = nullptr;
    Canvas canvas_;
    std::optional<double> forcedScale_;
    bool integerOnly_ = false;
    std::vector<int> fullscreenKeys_;
    std::function<void(bool)> fullscreenChanged_;
    bool toggleRequested_ = false;
    FramePacer pacer_;

    // What is on the canvas: the forms bottom to top, their versions and overlays.
    struct Drawn {
        const Form* form;
        uint64_t version;
        bool overlay;
        display::Rect shown;
        bool operator==(const Drawn&) const = default;
    };
    std::vector<Drawn> drawn_;
    bool blank_ = true;  // the canvas was cleared (resized) since it was last drawn

    std::string title_, titleSuffix_;
    Form* pressForm_ = nullptr;
    void* pressControl_ = nullptr;
    bool audio_ = false;
    Mix_Music* playing_ = nullptr;
    host::SdlPads pads_;
    PageFiles files_;

    LoopTurn turn_;
    LoopEnd end_;
};

}  // namespace platform::web
