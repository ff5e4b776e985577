#include "platform/display/screen_picture.hpp"

#include "platform/display/pause_overlay.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"

namespace platform {

bool ShowsPauseOverlay(App& app, const Form& form) {
    return app.input().ShowsPaused(form);
}

const Surface& ScreenPicture(App& app, Form& form) {
    if (!ShowsPauseOverlay(app, form))
        return form.Client();
    // Kept between calls: its block is reused rather than allocated for every frame.
    static Surface overlaid;
    overlaid = form.Client();
    DrawPauseOverlay(overlaid);
    return overlaid;
}

Surface ComposeScreen() {
    App& app = App::Get();
    Surface screen(app.ScreenWidth(), app.ScreenHeight(), 0);
    for (Form* f : app.zOrder()) {
        const Surface& client = ScreenPicture(app, *f);
        BitBlt(screen, f->ClientLeft(), f->ClientTop(), client.width(), client.height(), client, 0,
               0, Rop::kSrcCopy);
    }
    return screen;
}

}  // namespace platform
