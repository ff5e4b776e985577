#include "platform/host/sdl_frontend.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

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

#include "platform/app.hpp"
#include "platform/display_probe.hpp"
#include "platform/form.hpp"
#include "platform/game_settings.hpp"
#include "platform/host/window_manager.hpp"
#include "platform/host/window_presenter.hpp"
#include "platform/host/x11_window_system.hpp"
#include "platform/pause_overlay.hpp"
#include "platform/speed_overlay.hpp"
#include "platform/user_dirs.hpp"

namespace platform {

std::unique_ptr<SdlFrontend> SdlFrontend::Create(std::string& why) {
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
    f->ReadDisplaySettings();
    f->hasWindowManager_ = HasWindowManager();
    f->OpenAudio();
    // Pads are optional: without SDL's controller part the game is played from the keyboard.
    const auto& settingsFile = GameSettings().path();
    f->pads_.Start((settingsFile.empty() ? ConfigFolder() : settingsFile.parent_path()) /
                   "gamecontrollerdb.txt");
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

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

void SdlFrontend::ReadDisplaySettings() {
    const SettingsFile& settings = GameSettings();
    forcedScale_ = display::ParseScale(settings.Get("display", "scale"));
    integerOnly_ = settings.Get("display", "integer_scaling") == "true";
    fullscreen_ = settings.Get("display", "fullscreen") == "true";
    if (forcedScale_)
        scale_ = display::ApplyIntegerOnly(*forcedScale_, integerOnly_);
    else
        scale_ =
            display::AutoScale(usable_, display::kGameWindow,
                               {2 * kFrameBorder, 2 * kFrameBorder + kCaptionHeight}, integerOnly_);
    // The toggle's keys, by SDL's key names; Alt+Enter always toggles too.
    std::string names = settings.Get("keys", "fullscreen");
    for (size_t start = 0; start <= names.size();) {
        size_t comma = names.find(',', start);
        if (comma == std::string::npos)
            comma = names.size();
        const SDL_Scancode code =
            SDL_GetScancodeFromName(Trimmed(names.substr(start, comma - start)).c_str());
        if (code != SDL_SCANCODE_UNKNOWN)
            fullscreenKeys_.push_back(int(code));
        start = comma + 1;
    }
    if (fullscreenKeys_.empty())
        fullscreenKeys_.push_back(int(SDL_SCANCODE_F11));
    // SDL's own choice unless the player names one; SDL's software renderer where no GPU is.
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if ((!asked || !*asked) && !HasRenderNode())
        renderDriver_ = "software";
    // Borderless fullscreen stays up when a smaller screen above it takes the focus.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
}

namespace {

// The mixer runs at the music's own rate, mono, so a track starts without being converted.
constexpr int kMixRate = 22050;

// Whether any sound output could exist: a sound card or a sound server's socket. Without one,
// the audio libraries only print errors while failing, so the silent driver is used at once.
bool MayHaveAudio() {
    if (std::getenv("SDL_AUDIODRIVER"))
        return true;
    std::error_code ec;
    if (std::filesystem::exists("/dev/snd", ec))
        return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && (std::filesystem::exists(std::string(runtime) + "/pulse/native", ec) ||
                       std::filesystem::exists(std::string(runtime) + "/pipewire-0", ec));
}

}  // namespace

void SdlFrontend::OpenAudio() {
    if (!MayHaveAudio())
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto open = [] {
        return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
               Mix_OpenAudio(kMixRate, MIX_DEFAULT_FORMAT, 1, 1024) == 0;
    };
    audio_ = open();
    if (!audio_) {
        // No audio device: go on silently through SDL's dummy driver.
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        audio_ = open();
    }
    if (!audio_)
        return;
    Mix_AllocateChannels(1);
    // The default alert: a short two-tone chime, made here so that it never fails to load.
    const int rate = kMixRate, samples = rate / 5;
    auto* buffer = static_cast<int16_t*>(SDL_malloc(size_t(samples) * 2));
    for (int i = 0; i < samples; ++i) {
        double t = double(i) / rate, hz = i < samples / 2 ? 880.0 : 660.0;
        double env = 1.0 - double(i) / samples;
        auto v = int16_t(6000 * env * std::sin(2 * M_PI * hz * t));
        buffer[i] = v;
    }
    alert_ = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(buffer), Uint32(samples * 2));
}

SdlFrontend::~SdlFrontend() {
    pads_.Stop();
    for (auto& [form, w] : windows_) DestroyWindow(w);
    if (audio_) {
        Mix_HaltChannel(-1);
        if (playing_)
            Mix_FreeChunk(playing_);
        if (alert_) {
            // A chunk made from raw samples does not own them.
            Uint8* samples = alert_->abuf;
            Mix_FreeChunk(alert_);
            SDL_free(samples);
        }
        Mix_CloseAudio();
    }
    SDL_Quit();
}

void SdlFrontend::DestroyWindow(Window& w) {
    w.presenter.reset();
    if (w.window)
        SDL_DestroyWindow(w.window);
    w = Window{};
}

bool SdlFrontend::WantsFullscreen(const Form& form) const {
    return fullscreen_ &&
           display::FillsScreenInFullscreen({form.ClientWidth(), form.ClientHeight()});
}

display::Size SdlFrontend::WindowSizeInPoints(const Form& form) const {
    return display::ScaledSize({form.ClientWidth(), form.ClientHeight()}, scale_ / pixelRatio_);
}

display::Point SdlFrontend::WindowOriginInPoints(const Form& form) const {
    return display::ScaledClientOrigin(
        {form.Left(), form.Top()}, {form.ClientWidth(), form.ClientHeight()},
        {form.OuterWidth() - form.ClientWidth(), form.OuterHeight() - form.ClientHeight()},
        {form.ClientLeft() - form.Left(), form.ClientTop() - form.Top()},
        {screenWidth_, screenHeight_}, scale_ / pixelRatio_);
}

display::Rect SdlFrontend::ShownRect(const Form& form, const Window& w) const {
    const display::Size picture{form.ClientWidth(), form.ClientHeight()};
    const display::Size drawable = w.presenter->DrawableSize();
    if (w.fullscreen)
        return display::FitRect(picture, drawable, integerOnly_);
    return display::CentredRect(display::ScaledSize(picture, scale_), drawable);
}

SdlFrontend::Window& SdlFrontend::WindowFor(Form* form) {
    Window& w = windows_[form];
    if (w.window)
        return w;
    Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI;
    if (form->border() == BorderStyle::kNone)
        flags |= SDL_WINDOW_BORDERLESS;
    w.fullscreen = WantsFullscreen(*form) && hasWindowManager_;
    if (w.fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    const display::Size size = WindowSizeInPoints(*form);
    const display::Point origin = WindowOriginInPoints(*form);
    w.window = SDL_CreateWindow((form->CaptionText() + titleSuffix_).c_str(), origin.x, origin.y,
                                size.width, size.height, flags);
    if (!w.window)
        return w;
    w.presenter = std::make_unique<WindowPresenter>(w.window, renderDriver_);
    w.caption = form->CaptionText();
    w.left = form->Left();
    w.top = form->Top();
    if (const Surface* icon = App::Get().WindowIcon()) {
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<uint32_t*>(icon->data()), icon->width(), icon->height(), 32,
            icon->width() * 4, SDL_PIXELFORMAT_XRGB8888);
        if (s) {
            SDL_SetWindowIcon(w.window, s);
            SDL_FreeSurface(s);
        }
    }
    if (!pixelRatioKnown_ && !w.fullscreen)
        LearnPixelRatio(*form, w);
    if (WantsFullscreen(*form) && !w.fullscreen)
        Layout(*form, w);
    return w;
}

void SdlFrontend::LearnPixelRatio(Form& form, Window& w) {
    // A high-density desktop gives more drawable pixels than window coordinates; the scale
    // is chosen in real pixels, so the first window tells how many there are.
    pixelRatioKnown_ = true;
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(w.window, &windowWidth, &windowHeight);
    const display::Size drawable = w.presenter->DrawableSize();
    if (windowWidth <= 0 || drawable.width <= windowWidth)
        return;
    pixelRatio_ = double(drawable.width) / double(windowWidth);
    if (!forcedScale_)
        scale_ = display::AutoScale(
            {int(usable_.width * pixelRatio_), int(usable_.height * pixelRatio_)},
            display::kGameWindow,
            {int((2 * kFrameBorder) * pixelRatio_),
             int((2 * kFrameBorder + kCaptionHeight) * pixelRatio_)},
            integerOnly_);
    Layout(form, w);
}

void SdlFrontend::Layout(Form& form, Window& w) {
    const bool wanted = WantsFullscreen(form);
    if (wanted != w.fullscreen) {
        if (hasWindowManager_)
            SDL_SetWindowFullscreen(w.window, wanted ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        w.fullscreen = wanted;
    }
    if (w.fullscreen) {
        // With no window manager to ask, the window covers its screen itself.
        SDL_Rect bounds;
        if (!hasWindowManager_ &&
            SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(w.window), &bounds) == 0) {
            SDL_SetWindowPosition(w.window, bounds.x, bounds.y);
            SDL_SetWindowSize(w.window, bounds.w, bounds.h);
        }
    } else {
        // Also after leaving fullscreen: not every window system puts the old size back.
        const display::Size size = WindowSizeInPoints(form);
        const display::Point origin = WindowOriginInPoints(form);
        SDL_SetWindowSize(w.window, size.width, size.height);
        SDL_SetWindowPosition(w.window, origin.x, origin.y);
    }
    w.showPending = true;
}

void SdlFrontend::ToggleFullscreen(App& app) {
    fullscreen_ = !fullscreen_;
    ChangeGameSetting("display", "fullscreen", fullscreen_ ? "true" : "false");
    for (Form* form : app.zOrder()) {
        auto it = windows_.find(form);
        if (it != windows_.end() && it->second.window)
            Layout(*form, it->second);
    }
    // The screens stay stacked as they were: the small ones above the full-size one.
    for (Form* form : app.zOrder()) {
        auto it = windows_.find(form);
        if (it != windows_.end() && it->second.window)
            SDL_RaiseWindow(it->second.window);
    }
}

void SdlFrontend::Shown(App& app, Form& form) {
    // Creating a window is slow (a tenth of a second or more); doing it here keeps it out of
    // the first ticks of a level.
    WindowFor(&form);
    Present(app);
}

const Surface& SdlFrontend::PictureFor(Form& form) {
    // The one place a picture leaves for the screen: an overlay drawn here changes what is
    // shown without touching the form's own picture. The paused game window gets the pause
    // overlay.
    const Surface& client = form.Client();
    const bool paused = App::Get().HasOverlay(form);
    const bool speedShown = ShowsSpeed(form);
    if (!paused && !speedShown && !overlay_)
        return client;
    overlaid_ = client;
    if (paused)
        DrawPauseOverlay(overlaid_);
    if (speedShown)
        DrawSpeedOverlay(overlaid_, speedShown_);
    if (overlay_)
        overlay_(form, overlaid_);
    return overlaid_;
}

bool SdlFrontend::AnyShowPending() const {
    for (const auto& [form, w] : windows_)
        if (w.window && w.showPending)
            return true;
    return false;
}

void SdlFrontend::Present(App& app) {
    // Windows of forms that are no longer on screen go away.
    for (auto it = windows_.begin(); it != windows_.end();) {
        if (!it->first->visible()) {
            DestroyWindow(it->second);
            it = windows_.erase(it);
        } else {
            ++it;
        }
    }
    if (toggleRequested_) {
        toggleRequested_ = false;
        ToggleFullscreen(app);
    }
    // A changed picture goes to the screen when the pacer allows (once per refresh, in a gap
    // between ticks), and is copied only then: pictures of ticks between two refreshes are
    // never seen. A new window shows its first picture without waiting.
    // The pacer works in real time: at a slower game speed the ticks are further apart.
    const int64_t now = app.RealMicros();
    const bool answersInput = AnswersInput(app);
    const bool frameDue = pacer_.MayShow(now, RealTimeOf(app, app.NextTimerDue()), answersInput);
    bool shownAny = false;
    for (Form* form : app.zOrder()) {
        Window& w = WindowFor(form);
        if (!w.window)
            continue;
        if (w.caption != form->CaptionText()) {
            w.caption = form->CaptionText();
            SDL_SetWindowTitle(w.window, (w.caption + titleSuffix_).c_str());
        }
        if (w.left != form->Left() || w.top != form->Top()) {
            w.left = form->Left();
            w.top = form->Top();
            if (!w.fullscreen) {
                const display::Point origin = WindowOriginInPoints(*form);
                SDL_SetWindowPosition(w.window, origin.x, origin.y);
            }
        }
        const bool changed = w.shownVersion != form->version() ||
                             w.shownPauseOverlay != app.HasOverlay(*form) ||
                             w.shownSpeed != ShowsSpeed(*form);
        if (changed)
            w.showPending = true;
        if (!w.showPending || (!frameDue && w.everShown))
            continue;
        w.shown = ShownRect(*form, w);
        w.presenter->Show(PictureFor(*form), changed, w.shown);
        w.shownVersion = form->version();
        w.shownPauseOverlay = app.HasOverlay(*form);
        w.shownSpeed = ShowsSpeed(*form);
        w.showPending = false;
        w.everShown = true;
        shownAny = true;
    }
    if (shownAny) {
        app.stats().RecordFrame(now);
        if (frameDue)
            pacer_.Shown(now, app.RealMicros());
        if (frameDue && answersInput)
            inputWaiting_ = false;
    }
    ApplyStacking(app);
}

void SdlFrontend::ApplyStacking(App& app) {
    // The windows stack as the forms do (a screen kept above the game window stays above it):
    // from the lowest form whose place changed, each is raised in turn.
    const std::vector<Form*>& order = app.zOrder();
    if (order != stacked_) {
        size_t same = 0;
        while (same < order.size() && same < stacked_.size() && order[same] == stacked_[same])
            ++same;
        for (size_t i = same; i < order.size(); ++i)
            if (auto it = windows_.find(order[i]); it != windows_.end() && it->second.window)
                SDL_RaiseWindow(it->second.window);
        stacked_ = order;
        focused_ = nullptr;
    }
    // The active form's window takes the keyboard, whether or not it is on top.
    Form* active = app.ActiveForm();
    if (active && active != focused_) {
        focused_ = active;
        if (auto it = windows_.find(active); it != windows_.end() && it->second.window)
            SDL_SetWindowInputFocus(it->second.window);
    }
}

Form* SdlFrontend::FormOfWindow(uint32_t windowId) const {
    for (const auto& [form, w] : windows_)
        if (w.window && SDL_GetWindowID(w.window) == windowId)
            return form;
    return nullptr;
}

Form* SdlFrontend::FormOfNativeWindow(uint64_t nativeId) const {
    if (nativeId == 0)
        return nullptr;
    for (const auto& [form, w] : windows_)
        if (w.window && host::NativeWindowId(w.window) == nativeId)
            return form;
    return nullptr;
}

std::optional<display::Point> SdlFrontend::PicturePoint(Form* form, int x, int y) const {
    auto it = windows_.find(form);
    if (it == windows_.end() || !it->second.window || !it->second.everShown)
        return std::nullopt;
    const Window& w = it->second;
    display::Size window;
    SDL_GetWindowSize(w.window, &window.width, &window.height);
    return display::WindowToPicture({x, y}, window, w.presenter->DrawableSize(), w.shown,
                                    {form->ClientWidth(), form->ClientHeight()});
}

bool SdlFrontend::IsFullscreenKey(int scancode, int modifiers) const {
    if ((scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER) &&
        (modifiers & KMOD_ALT))
        return true;
    return std::find(fullscreenKeys_.begin(), fullscreenKeys_.end(), scancode) !=
           fullscreenKeys_.end();
}

bool SdlFrontend::AnswersInput(const App& app) const {
    return inputWaiting_ && app.TimerEventsRun() > inputAtTimerEvent_;
}

int64_t SdlFrontend::RealTimeOf(const App& app, int64_t paceMicros) {
    return paceMicros < 0 ? -1 : app.RealMicros() + app.clock().RealMicrosUntil(paceMicros);
}

bool SdlFrontend::ShowsSpeed(const Form& form) const {
    return speedShownUntil_ > App::Get().RealMicros() && &form == App::Get().input().PlayWindow();
}

void SdlFrontend::ShowSpeed(int percent) {
    speedShown_ = percent;
    speedShownUntil_ = App::Get().RealMicros() + kSpeedShownMicros;
}

void SdlFrontend::Poll(App& app, std::vector<InputEvent>& out) {
    const size_t polled = out.size();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (pads_.Translate(e, out))
            continue;
        switch (e.type) {
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                // The fullscreen toggle belongs to the front end; the game never sees it.
                if (IsFullscreenKey(e.key.keysym.scancode, e.key.keysym.mod)) {
                    if (e.type == SDL_KEYDOWN && !e.key.repeat)
                        toggleRequested_ = true;
                    break;
                }
                // Keys by position: the bindings name physical keys, whatever the layout.
                InputEvent key{e.type == SDL_KEYDOWN ? InputEvent::Kind::kKeyDown
                                                     : InputEvent::Kind::kKeyUp};
                key.key = int(e.key.keysym.scancode);
                key.repeat = e.key.repeat != 0;
                if (key.key != SDL_SCANCODE_UNKNOWN)
                    out.push_back(key);
                break;
            }
            case SDL_MOUSEMOTION: {
                // A move over a black bar is a move outside the picture: nothing is told.
                Form* form = FormOfWindow(e.motion.windowID);
                const auto at = form ? PicturePoint(form, e.motion.x, e.motion.y) : std::nullopt;
                if (at)
                    out.push_back(
                        {InputEvent::Kind::kMouseMove, form, form->ControlAt(at->x, at->y), 0});
                break;
            }
            case SDL_MOUSEBUTTONDOWN:
                if (e.button.button == SDL_BUTTON_LEFT) {
                    pressForm_ = FormOfWindow(e.button.windowID);
                    const auto at = pressForm_ ? PicturePoint(pressForm_, e.button.x, e.button.y)
                                               : std::nullopt;
                    pressControl_ = at ? pressForm_->ControlAt(at->x, at->y) : nullptr;
                }
                break;
            case SDL_MOUSEBUTTONUP:
                if (e.button.button == SDL_BUTTON_LEFT) {
                    Form* form = FormOfWindow(e.button.windowID);
                    const auto at =
                        form ? PicturePoint(form, e.button.x, e.button.y) : std::nullopt;
                    Control* control = at ? form->ControlAt(at->x, at->y) : nullptr;
                    // A click is a press and release on the same control.
                    if (form && form == pressForm_ && control == pressControl_ && control)
                        out.push_back({InputEvent::Kind::kClick, form, control, 0});
                    pressForm_ = nullptr;
                    pressControl_ = nullptr;
                }
                break;
            case SDL_QUIT:
                // Asked to stop from outside (a signal): like closing every window.
                for (auto& [form, w] : windows_)
                    out.push_back({InputEvent::Kind::kClose, form, nullptr});
                if (windows_.empty())
                    App::Get().EndProcess(0);
                break;
            case SDL_SYSWMEVENT:
                // A window destroyed from outside counts as closed with its close box.
                if (Form* form = FormOfNativeWindow(host::DestroyedNativeWindow(e)))
                    out.push_back({InputEvent::Kind::kClose, form, nullptr, 0});
                break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
                    if (Form* form = FormOfWindow(e.window.windowID))
                        out.push_back({InputEvent::Kind::kClose, form, nullptr});
                } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                    if (Form* form = FormOfWindow(e.window.windowID))
                        out.push_back({InputEvent::Kind::kFocusGained, form});
                } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                           e.window.event == SDL_WINDOWEVENT_MINIMIZED) {
                    if (Form* form = FormOfWindow(e.window.windowID))
                        out.push_back({InputEvent::Kind::kFocusLost, form});
                } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                           e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    if (Form* form = FormOfWindow(e.window.windowID))
                        windows_[form].showPending = true;
                }
                break;
            default:
                break;
        }
    }
    // A new key or pad input: the picture of the tick that takes it in goes out right away.
    for (size_t i = polled; i < out.size(); ++i)
        if (IsNewPlayInput(out[i])) {
            inputWaiting_ = true;
            inputAtTimerEvent_ = app.TimerEventsRun();
        }
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
    if (!audio_)
        return;
    Mix_HaltChannel(0);
    if (playing_) {
        Mix_FreeChunk(playing_);
        playing_ = nullptr;
    }
    playing_ = Mix_LoadWAV(path.c_str());
    Mix_PlayChannel(0, playing_ ? playing_ : alert_, 0);
}

void SdlFrontend::PauseSound(bool paused) {
    if (!audio_)
        return;
    if (paused)
        Mix_Pause(0);
    else
        Mix_Resume(0);
}

void SdlFrontend::SetVolume(int percent) {
    if (audio_)
        Mix_Volume(-1, percent * MIX_MAX_VOLUME / 100);
}

std::unique_ptr<Frontend> CreateWindowedFrontend(std::string& why) {
    return SdlFrontend::Create(why);
}

}  // namespace platform
