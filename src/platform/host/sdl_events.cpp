// The front end's events: keys by position, the mouse mapped back into the picture, clicks,
// close boxes, focus and exposure, and the fullscreen toggle's own keys.
#include <SDL.h>

#include <algorithm>
#include <vector>

#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/host/sdl_frontend.hpp"
#include "platform/host/x11_window_system.hpp"

namespace platform {

bool SdlFrontend::IsFullscreenKey(int scancode, int modifiers) const {
    if ((scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER) &&
        (modifiers & KMOD_ALT))
        return true;
    return std::find(fullscreenKeys_.begin(), fullscreenKeys_.end(), scancode) !=
           fullscreenKeys_.end();
}

void SdlFrontend::Poll(App& app, std::vector<InputEvent>& out) {
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
}

}  // namespace platform
