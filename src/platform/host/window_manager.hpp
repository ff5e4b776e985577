// What the window system around the game can do.
#pragma once

namespace platform {

// Whether a window manager runs that puts windows into fullscreen when asked (on X11, one
// that announces itself on the root window). Without one (a bare X server), the front end
// covers the screen with the window itself.
bool HasWindowManager();

}  // namespace platform
