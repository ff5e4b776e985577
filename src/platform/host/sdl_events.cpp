// The front end's events: keys by position, the mouse mapped back into the picture, clicks,
// close boxes, focus and exposure, and the fullscreen toggle's own keys.
#include <SDL.h>

#include <algorithm>
#include <vector>

#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/host/sdl_frontend.hpp"
#include "platform/host/sdl_key_events.hpp"
// Whole, not declared: a window closed here destroys its presenter.
#include "platform/host/window_presenter.hpp"
#include "platform/host/x11_window_system.hpp"

namespace platform {

void SdlFrontend::Poll(App& app, std::vector<InputEvent>& out) {
    const size_t polled = out.size();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (pads_.Translate(e, out) ||
            host::TranslateKey(e, fullscreenKeys_, toggleRequested_, out))
            continue;
        switch (e.type) {
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
                    app.EndProcess(0);
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
            inputTakenBy_ = app.timerEventTakingInput();
        }
}

}  // namespace platform
