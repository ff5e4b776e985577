#include "platform/host/sdl_frontend.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "platform/app.hpp"
#include "platform/form.hpp"
#include "platform/game_settings.hpp"
#include "platform/user_dirs.hpp"

namespace platform {

std::unique_ptr<SdlFrontend> SdlFrontend::Create(std::string& why) {
    // Frames go to the window system as plain pixels; an accelerated window surface would load
    // a whole GL stack (a software one under a virtual display) to copy them.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
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
    std::unique_ptr<SdlFrontend> f(new SdlFrontend());
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        f->screenWidth_ = mode.w;
        f->screenHeight_ = mode.h;
    }
    f->OpenAudio();
    // Pads are optional: without SDL's controller part the game is played from the keyboard.
    const auto& settingsFile = GameSettings().path();
    f->pads_.Start((settingsFile.empty() ? ConfigFolder() : settingsFile.parent_path()) /
                   "gamecontrollerdb.txt");
    return f;
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
    if (w.window)
        SDL_DestroyWindow(w.window);
    w = Window{};
}

SdlFrontend::Window& SdlFrontend::WindowFor(Form* form) {
    Window& w = windows_[form];
    if (w.window)
        return w;
    Uint32 flags = SDL_WINDOW_SHOWN;
    if (form->border() == BorderStyle::kNone)
        flags |= SDL_WINDOW_BORDERLESS;
    w.window = SDL_CreateWindow(form->CaptionText().c_str(), form->ClientLeft(), form->ClientTop(),
                                form->ClientWidth(), form->ClientHeight(), flags);
    if (!w.window)
        return w;
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
    return w;
}

namespace {

// Copies the client picture into a window surface, row by row when the formats agree.
void CopyToWindowSurface(const Surface& client, SDL_Surface* target) {
    if (target->format->format == SDL_PIXELFORMAT_XRGB8888 && target->w >= client.width() &&
        target->h >= client.height()) {
        if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0)
            return;
        for (int y = 0; y < client.height(); ++y)
            std::memcpy(static_cast<uint8_t*>(target->pixels) + size_t(y) * size_t(target->pitch),
                        client.row(y), size_t(client.width()) * 4);
        if (SDL_MUSTLOCK(target))
            SDL_UnlockSurface(target);
        return;
    }
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(client.data()), client.width(), client.height(), 32,
        client.width() * 4, SDL_PIXELFORMAT_XRGB8888);
    if (!source)
        return;
    SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
}

}  // namespace

void SdlFrontend::Shown(App& app, Form& form) {
    // Creating a window is slow (a tenth of a second or more); doing it here keeps it out of
    // the first ticks of a level.
    WindowFor(&form);
    Present(app);
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
    for (Form* form : app.zOrder()) {
        Window& w = WindowFor(form);
        if (!w.window)
            continue;
        if (w.caption != form->CaptionText()) {
            w.caption = form->CaptionText();
            SDL_SetWindowTitle(w.window, w.caption.c_str());
        }
        if (w.left != form->Left() || w.top != form->Top()) {
            w.left = form->Left();
            w.top = form->Top();
            SDL_SetWindowPosition(w.window, form->ClientLeft(), form->ClientTop());
        }
        const bool overlay = app.HasOverlay(*form);
        if (w.shownVersion == form->version() && w.shownOverlay == overlay)
            continue;
        // One copy into the window's own surface and one update of the window per frame.
        SDL_Surface* target = SDL_GetWindowSurface(w.window);
        if (!target)
            continue;
        CopyToWindowSurface(app.ScreenPicture(*form), target);
        SDL_UpdateWindowSurface(w.window);
        w.shownVersion = form->version();
        w.shownOverlay = overlay;
    }
    Form* top = app.ActiveForm();
    if (top && top != focused_) {
        focused_ = top;
        Window& w = windows_[top];
        if (w.window) {
            SDL_RaiseWindow(w.window);
            SDL_SetWindowInputFocus(w.window);
        }
    }
}

Form* SdlFrontend::FormOfWindow(uint32_t windowId) const {
    for (const auto& [form, w] : windows_)
        if (w.window && SDL_GetWindowID(w.window) == windowId)
            return form;
    return nullptr;
}

void SdlFrontend::Poll(App&, std::vector<InputEvent>& out) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (pads_.Translate(e, out))
            continue;
        switch (e.type) {
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
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
                Form* form = FormOfWindow(e.motion.windowID);
                if (form)
                    out.push_back({InputEvent::Kind::kMouseMove, form,
                                   form->ControlAt(e.motion.x, e.motion.y)});
                break;
            }
            case SDL_MOUSEBUTTONDOWN:
                if (e.button.button == SDL_BUTTON_LEFT) {
                    pressForm_ = FormOfWindow(e.button.windowID);
                    pressControl_ =
                        pressForm_ ? pressForm_->ControlAt(e.button.x, e.button.y) : nullptr;
                }
                break;
            case SDL_MOUSEBUTTONUP:
                if (e.button.button == SDL_BUTTON_LEFT) {
                    Form* form = FormOfWindow(e.button.windowID);
                    Control* control = form ? form->ControlAt(e.button.x, e.button.y) : nullptr;
                    // A click is a press and release on the same control.
                    if (form && form == pressForm_ && control == pressControl_ && control)
                        out.push_back({InputEvent::Kind::kClick, form, control});
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
                } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                    if (Form* form = FormOfWindow(e.window.windowID))
                        windows_[form].shownVersion = ~0ULL;
                }
                break;
            default:
                break;
        }
    }
}

void SdlFrontend::WaitUntil(App& app, int64_t dueMicros) {
    if (dueMicros < 0) {
        SDL_WaitEventTimeout(nullptr, 100);  // nothing timed: sleep until input
        return;
    }
    // Wait for input until about 2 ms before the due time, sleep finely until 0.2 ms before
    // it, and spin only that last fraction.
    for (;;) {
        int64_t remaining = dueMicros - app.NowMicros();
        if (remaining <= 0)
            return;
        if (remaining > 3000) {
            if (SDL_WaitEventTimeout(nullptr, int((remaining - 2000) / 1000)))
                return;
            continue;
        }
        if (remaining > 300) {
            std::this_thread::sleep_for(std::chrono::microseconds(remaining - 200));
            continue;
        }
        SDL_PumpEvents();
        if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT))
            return;
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
    volume_ = percent;
    if (audio_)
        Mix_Volume(-1, percent * MIX_MAX_VOLUME / 100);
}

std::unique_ptr<Frontend> CreateWindowedFrontend(std::string& why) {
    return SdlFrontend::Create(why);
}

}  // namespace platform
