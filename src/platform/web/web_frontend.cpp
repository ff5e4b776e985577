#include "platform/web/web_frontend.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <filesystem>

#include "platform/display/screen_picture.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/host/sdl_key_events.hpp"
#include "platform/web/page.hpp"

// From sdl_audio_library.js: makes the link keep what SDL's browser audio calls.
extern "C" void dunspelt_keep_sdl_audio_helpers();

namespace platform::web {

std::unique_ptr<WebFrontend> WebFrontend::Create(const WindowSettings& settings, std::string& why) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        why = SDL_GetError();
        return nullptr;
    }
    std::unique_ptr<WebFrontend> f(new WebFrontend());
    // The one window is the page's canvas. Resizable: SDL then follows its size on the page,
    // so that mouse positions come in page pixels. Nothing is drawn through SDL (see Canvas).
    const display::Size wanted = f->canvas_.WantedSize();
    f->window_ = SDL_CreateWindow("DUNSPELT", 0, 0, wanted.width, wanted.height,
                                  SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN);
    if (!f->window_) {
        why = SDL_GetError();
        return nullptr;
    }
    f->canvas_.Resize(f->canvas_.WantedSize());
    f->forcedScale_ = settings.scale;
    f->integerOnly_ = settings.integerScaling;
    f->fullscreenKeys_ = settings.fullscreenKeys;
    f->fullscreenChanged_ = settings.fullscreenChanged;
    f->OpenAudio();
    f->pads_.Start(settings.padMappings);
    return f;
}

WebFrontend::~WebFrontend() {
    pads_.Stop();
    if (audio_) {
        Mix_HaltMusic();
        if (playing_)
            Mix_FreeMusic(playing_);
        Mix_CloseAudio();
    }
    if (window_)
        SDL_DestroyWindow(window_);
    SDL_Quit();
}

void WebFrontend::OpenAudio() {
    // The page starts the game from the player's click or key, so the browser lets sound
    // start. The music is Ogg Vorbis in the web build, decoded by SDL_mixer's own decoder as
    // it plays: decoding a whole piece before playing it would hold the page for half a second.
    dunspelt_keep_sdl_audio_helpers();
    Mix_Init(MIX_INIT_OGG);
    audio_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
             Mix_OpenAudio(22050, MIX_DEFAULT_FORMAT, 1, 1024) == 0;
}

display::Rect WebFrontend::ShownRect(const Form& form) const {
    const display::Size picture{form.clientWidth(), form.clientHeight()};
    const display::Size screen = canvas_.size();
    // The full-size screens fill the page; the smaller ones stand above them at the scale
    // their windows would have on a desktop of the page's size.
    if (display::FillsScreenInFullscreen(picture))
        return display::FitRect(picture, screen, integerOnly_);
    const double scale =
        forcedScale_ ? display::ApplyIntegerOnly(*forcedScale_, integerOnly_)
                     : display::AutoScale(screen, display::kGameWindow,
                                          {2 * kFrameBorder, 2 * kFrameBorder + kCaptionHeight},
                                          integerOnly_);
    const display::Point origin = display::ScaledClientOrigin(
        {form.left(), form.top()}, picture,
        {form.OuterWidth() - form.clientWidth(), form.OuterHeight() - form.clientHeight()},
        {form.ClientLeft() - form.left(), form.ClientTop() - form.top()}, screen, scale);
    const display::Size size = display::ScaledSize(picture, scale);
    return {origin.x, origin.y, size.width, size.height};
}

Form* WebFrontend::FormAt(App& app, int x, int y, display::Point& at) const {
    display::Size window;
    SDL_GetWindowSize(window_, &window.width, &window.height);
    const std::vector<Form*>& order = app.zOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Form* form = *it;
        const auto point =
            display::WindowToPicture({x, y}, window, canvas_.size(), ShownRect(*form),
                                     {form->clientWidth(), form->clientHeight()});
        if (point) {
            at = *point;
            return form;
        }
    }
    return nullptr;  // a black bar: no screen is there
}

void WebFrontend::TranslateMouse(App& app, const SDL_Event& e, std::vector<InputEvent>& out) {
    display::Point at;
    if (e.type == SDL_MOUSEMOTION) {
        // A move over a black bar is a move outside the picture: nothing is told.
        if (Form* form = FormAt(app, e.motion.x, e.motion.y, at))
            out.push_back({InputEvent::Kind::kMouseMove, form, form->ControlAt(at.x, at.y), 0});
        return;
    }
    if (e.button.button != SDL_BUTTON_LEFT)
        return;
    Form* form = FormAt(app, e.button.x, e.button.y, at);
    Control* control = form ? form->ControlAt(at.x, at.y) : nullptr;
    if (e.type == SDL_MOUSEBUTTONDOWN) {
        pressForm_ = form;
        pressControl_ = control;
        return;
    }
    // A click is a press and release on the same control.
    if (form && form == pressForm_ && control == pressControl_ && control)
        out.push_back({InputEvent::Kind::kClick, form, control, 0});
    pressForm_ = nullptr;
    pressControl_ = nullptr;
}

void WebFrontend::Poll(App& app, std::vector<InputEvent>& out) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (pads_.Translate(e, out) ||
            host::TranslateKey(e, fullscreenKeys_, toggleRequested_, out))
            continue;
        switch (e.type) {
            case SDL_MOUSEMOTION:
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                TranslateMouse(app, e, out);
                break;
            case SDL_WINDOWEVENT:
                // The page losing the focus or being hidden (another tab, a minimised browser)
                // is the game's window losing it; the active screen is the one that had it.
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                    e.window.event == SDL_WINDOWEVENT_HIDDEN)
                    out.push_back({InputEvent::Kind::kFocusLost, app.ActiveForm()});
                else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
                    out.push_back({InputEvent::Kind::kFocusGained, app.ActiveForm()});
                break;
            default:
                break;
        }
    }
}

void WebFrontend::Shown(App& app, Form&) {
    // A new screen is drawn at once, not at the next frame.
    Present(app);
}

bool WebFrontend::NeedsDrawing(App& app) const {
    if (blank_ || drawn_.size() != app.zOrder().size())
        return true;
    for (size_t i = 0; i < drawn_.size(); ++i) {
        Form* form = app.zOrder()[i];
        const Drawn now{form, form->version(), ShowsPauseOverlay(app, *form), ShownRect(*form)};
        if (!(drawn_[i] == now))
            return true;
    }
    return false;
}

void WebFrontend::Draw(App& app) {
    canvas_.Clear();
    drawn_.clear();
    for (Form* form : app.zOrder()) {
        const display::Rect shown = ShownRect(*form);
        canvas_.Draw(ScreenPicture(app, *form), shown);
        drawn_.push_back({form, form->version(), ShowsPauseOverlay(app, *form), shown});
    }
    blank_ = false;
}

void WebFrontend::Present(App& app) {
    if (toggleRequested_) {
        toggleRequested_ = false;
        const bool on = !PageIsFullscreen();
        SetPageFullscreen(on);
        if (fullscreenChanged_)
            fullscreenChanged_(on);
    }
    if (Form* active = app.ActiveForm()) {
        const std::string title = active->captionText() + titleSuffix_;
        if (title != title_) {
            title_ = title;
            SetPageTitle(title);
        }
    }
    if (canvas_.Resize(canvas_.WantedSize()))
        blank_ = true;
    files_.Check(app.clock().PaceMicros());
    if (!NeedsDrawing(app))
        return;
    // At most once per refresh of the display, in a gap between ticks; a new screen, or a
    // canvas the browser has just cleared, at once.
    const int64_t now = app.clock().PaceMicros();
    const bool newScreen = drawn_.size() != app.zOrder().size();
    if (!pacer_.MayShow(now, app.NextTimerDue()) && !blank_ && !newScreen)
        return;
    Draw(app);
    app.stats().RecordFrame(now);
    pacer_.Shown(now, app.clock().PaceMicros());
}

void WebFrontend::ShowMessage(const std::string& title, const std::string& text) {
    ShowPageMessage(title, text);
}

void WebFrontend::PlaySound(const std::string& path) {
    if (!audio_)
        return;
    Mix_HaltMusic();
    if (playing_) {
        Mix_FreeMusic(playing_);
        playing_ = nullptr;
    }
    // The web build carries the music as Ogg Vorbis beside the names the game asks for.
    std::filesystem::path file(path);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        file.replace_extension(".ogg");
    playing_ = Mix_LoadMUS(file.string().c_str());
    if (playing_)
        Mix_PlayMusic(playing_, 0);
}

void WebFrontend::PauseSound(bool paused) {
    if (!audio_)
        return;
    if (paused)
        Mix_PauseMusic();
    else
        Mix_ResumeMusic();
}

void WebFrontend::SetVolume(int percent) {
    if (audio_)
        Mix_VolumeMusic(percent * MIX_MAX_VOLUME / 100);
}

}  // namespace platform::web

namespace platform {

std::unique_ptr<Frontend> CreateWindowedFrontend(const WindowSettings& settings, std::string& why) {
    return web::WebFrontend::Create(settings, why);
}

}  // namespace platform
