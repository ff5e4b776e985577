// What goes to the screen: a form's picture, with the pause overlay over the paused play
// window, and the whole screen composed of the visible forms. The one place the overlay is
// composed; the form's own pictures never hold it.
#pragma once
#include "platform/core/surface.hpp"

namespace platform {

class App;
class Form;

// Whether the screen shows `form` under the pause overlay.
bool ShowsPauseOverlay(App& app, const Form& form);

// The form's client area, or for the paused play window a copy of it with the overlay (valid
// until the next call).
const Surface& ScreenPicture(App& app, Form& form);

// The whole screen: the visible forms' pictures at their positions, on black.
Surface ComposeScreen();

}  // namespace platform
