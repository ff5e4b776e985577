#include "platform/host/sdl_frontend.hpp"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <vector>

#include "platform/display/display_probe.hpp"
#include "platform/display/screen_picture.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/host/window_manager.hpp"
#include "platform/host/window_presenter.hpp"
#include "platform/host/x11_window_system.hpp"

namespace platform {

std::unique_ptr<SdlFrontend> SdlFrontend::Create(const WindowSettings& settings, std::string& why) {
#ifdef __linux__
    // The kernel may let a sleep run 50 microseconds long by default to save wake-ups; the
    // wait for the next tick sleeps to within a fraction of a millisecond of it.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
    // Frames go to the window system as plain pixels; an accelerated window surface would load
    // a whole GL stack (a software one under a virtual display) to copy them.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    // Only the window systems that could answer are tried: a failing Wayland client library,
    // for one, prints its own complaints beside ours.
    switch (ProbeDisplay()) {
        case DisplayReach::kNone:
            why = "no display found";
            return nullptr;
        case DisplayReach::kX11Only:
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
            break;
        case DisplayReach::kWaylandOnly:
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "wayland");
            break;
        case DisplayReach::kAny:
            break;
    }
    host::InstallX11ErrorHandlers();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        why = SDL_GetError();
        return nullptr;
    }
    // Without a display SDL falls back to its invisible drivers: a game nobody can see. They
    // are used only when asked for by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (driver && (!asked || !*asked) &&
        (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
        why = "no display found";
        SDL_Quit();
        return nullptr;
    }
    host::WatchX11Windows();
    std::unique_ptr<SdlFrontend> f(new SdlFrontend());
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        f->screenWidth_ = mode.w;
        f->screenHeight_ = mode.h;
        // Frames go out at most at the display's pace (SDL reports 0 when it does not know).
        if (mode.refresh_rate > 0)
            f->pacer_ = FramePacer(1000000 / mode.refresh_rate);
    }
    f->usable_ = {f->screenWidth_, f->screenHeight_};
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0)
        f->usable_ = {usable.w, usable.h};
    f->TakeSettings(settings);
    f->hasWindowManager_ = HasWindowManager();
    f->audio_.Open();
    // Pads are optional: without SDL's controller part the game is played from the keyboard.
    f->pads_.Start(settings.padMappings);
    return f;
}

namespace {

// Whether a GPU can be reached (a DRM render node). Without one, a GL renderer is a software
// rasteriser that costs more CPU and memory than SDL's own software renderer.
bool HasRenderNode() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", ec))
        if (entry.path().filename().string().rfind("renderD", 0) == 0)
            return true;
    return false;
}

}  // namespace

void SdlFrontend::TakeSettings(const WindowSettings& settings) {
    forcedScale_ = settings.scale;
    integerOnly_ = settings.integerScaling;
    fullscreen_ = settings.fullscreen;
    if (forcedScale_)
        scale_ = display::ApplyIntegerOnly(*forcedScale_, integerOnly_);
    else
        scale_ =
            display::AutoScale(usable_, display::kGameWindow,
                               {2 * kFrameBorder, 2 * kFrameBorder + kCaptionHeight}, integerOnly_);
    // Alt+Enter always toggles too.
    fullscreenKeys_ = settings.fullscreenKeys;
    fullscreenChanged_ = settings.fullscreenChanged;
    icon_ = settings.icon;
    // SDL's own choice unless the player names one; SDL's software renderer where no GPU is.
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if ((!asked || !*asked) && !HasRenderNode())
        renderDriver_ = "software";
    // Borderless fullscreen stays up when a smaller screen above it takes the focus.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
}

SdlFrontend::~SdlFrontend() {
    pads_.Stop();
    for (auto& [form, w] : windows_) DestroyWindow(w);
    audio_.Close();
    SDL_Quit();
}

void SdlFrontend::Shown(App& app, Form& form) {
    // Creating a window is slow (a tenth of a second or more); doing it here keeps it out of
    // the first ticks of a level.
    WindowFor(&form);
    Present(app);
}

void SdlFrontend::WaitUntil(App& app, int64_t dueMicros) {
    // A frame held back for the display's pace wakes the loop at its slot when it fits
    // before the next tick; otherwise it goes out in the gap after that tick.
    // Measured in real time from here: at a slower game speed its time runs behind.
    dueMicros = RealTimeOf(app, dueMicros);
    if (AnyShowPending()) {
        const int64_t wake = pacer_.WakeFor(app.RealMicros(), dueMicros, AnswersInput(app));
        if (wake >= 0 && (dueMicros < 0 || wake < dueMicros))
            dueMicros = wake;
    }
    if (dueMicros < 0) {
        SDL_WaitEventTimeout(nullptr, 100);  // nothing timed: sleep until input
        return;
    }
    // Wait for input until about 2 ms before the due time, sleep finely until just before it,
    // and spin only that last fraction (on the clock alone: input that comes in it is taken
    // right after the tick). With the timer slack at its least, a sleep mostly ends within
    // that fraction.
    constexpr int64_t kSpinMicros = 80;
    for (;;) {
        int64_t remaining = dueMicros - app.RealMicros();
        if (remaining <= 0)
            return;
        if (remaining > 3000) {
            if (SDL_WaitEventTimeout(nullptr, int((remaining - 2000) / 1000)))
                return;
            continue;
        }
        if (remaining > kSpinMicros) {
            std::this_thread::sleep_for(std::chrono::microseconds(remaining - kSpinMicros));
            continue;
        }
    }
}

void SdlFrontend::ShowMessage(const std::string& title, const std::string& text) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr);
}

void SdlFrontend::PlaySound(const std::string& path) {
    audio_.Play(path);
}

void SdlFrontend::PauseSound(bool paused) {
    audio_.Pause(paused);
}

void SdlFrontend::SetVolume(int percent) {
    audio_.SetVolume(percent);
}

std::unique_ptr<Frontend> CreateWindowedFrontend(const WindowSettings& settings, std::string& why) {
    return SdlFrontend::Create(settings, why);
}

}  // namespace platform
