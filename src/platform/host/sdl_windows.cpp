// The front end's windows: one per visible form, sized and placed for the scale, fullscreen
// on request, stacked as the forms are, and the forms' pictures presented in them.
#include <SDL.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/display/screen_picture.hpp"
#include "platform/display/speed_overlay.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/host/sdl_frontend.hpp"
#include "platform/host/window_presenter.hpp"
#include "platform/host/x11_window_system.hpp"

namespace platform {

void SdlFrontend::DestroyWindow(Window& w) {
    w.presenter.reset();
    if (w.window)
        SDL_DestroyWindow(w.window);
    w = Window{};
}

bool SdlFrontend::WantsFullscreen(const Form& form) const {
    return fullscreen_ &&
           display::FillsScreenInFullscreen({form.clientWidth(), form.clientHeight()});
}

display::Size SdlFrontend::WindowSizeInPoints(const Form& form) const {
    return display::ScaledSize({form.clientWidth(), form.clientHeight()}, scale_ / pixelRatio_);
}

display::Point SdlFrontend::WindowOriginInPoints(const Form& form) const {
    return display::ScaledClientOrigin(
        {form.left(), form.top()}, {form.clientWidth(), form.clientHeight()},
        {form.OuterWidth() - form.clientWidth(), form.OuterHeight() - form.clientHeight()},
        {form.ClientLeft() - form.left(), form.ClientTop() - form.top()},
        {screenWidth_, screenHeight_}, scale_ / pixelRatio_);
}

display::Rect SdlFrontend::ShownRect(const Form& form, const Window& w) const {
    const display::Size picture{form.clientWidth(), form.clientHeight()};
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
    w.window = SDL_CreateWindow((form->captionText() + titleSuffix_).c_str(), origin.x, origin.y,
                                size.width, size.height, flags);
    if (!w.window)
        return w;
    w.presenter = std::make_unique<WindowPresenter>(w.window, renderDriver_);
    w.caption = form->captionText();
    w.left = form->left();
    w.top = form->top();
    if (const Surface* icon = icon_.get()) {
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
    if (fullscreenChanged_)
        fullscreenChanged_(fullscreen_);
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
        if (w.caption != form->captionText()) {
            w.caption = form->captionText();
            SDL_SetWindowTitle(w.window, (w.caption + titleSuffix_).c_str());
        }
        if (w.left != form->left() || w.top != form->top()) {
            w.left = form->left();
            w.top = form->top();
            if (!w.fullscreen) {
                const display::Point origin = WindowOriginInPoints(*form);
                SDL_SetWindowPosition(w.window, origin.x, origin.y);
            }
        }
        const bool changed = w.shownVersion != form->version() ||
                             w.shownPauseOverlay != ShowsPauseOverlay(app, *form) ||
                             w.shownSpeed != ShowsSpeed(app, *form);
        if (changed)
            w.showPending = true;
        if (!w.showPending || (!frameDue && w.everShown))
            continue;
        w.shown = ShownRect(*form, w);
        w.presenter->Show(PictureFor(app, *form), changed, w.shown);
        w.shownVersion = form->version();
        w.shownPauseOverlay = ShowsPauseOverlay(app, *form);
        w.shownSpeed = ShowsSpeed(app, *form);
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

bool SdlFrontend::AnswersInput(const App& app) const {
    return inputWaiting_ && app.timerEventsRun() >= inputTakenBy_;
}

int64_t SdlFrontend::RealTimeOf(const App& app, int64_t paceMicros) {
    return paceMicros < 0 ? -1 : app.RealMicros() + app.clock().RealMicrosUntil(paceMicros);
}

bool SdlFrontend::ShowsSpeed(const App& app, const Form& form) const {
    return speedShownUntil_ > app.RealMicros() && &form == speedForm_;
}

void SdlFrontend::ShowSpeed(int percent) {
    speedShown_ = percent;
    speedForm_ = App::Get().ActiveForm();  // the play window: the speed changes only in play
    speedShownUntil_ = App::Get().RealMicros() + kSpeedShownMicros;
}

const Surface& SdlFrontend::PictureFor(App& app, Form& form) {
    // The speed is drawn only here, on the way to the screen: screenshots never hold it.
    const Surface& picture = ScreenPicture(app, form);
    if (!ShowsSpeed(app, form))
        return picture;
    speedOverlaid_ = picture;
    DrawSpeedOverlay(speedOverlaid_, speedShown_);
    return speedOverlaid_;
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
                                    {form->clientWidth(), form->clientHeight()});
}

}  // namespace platform
