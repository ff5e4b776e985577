#include "platform/host/window_manager.hpp"

#include <SDL.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstring>

namespace platform {

bool HasWindowManager() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "x11") != 0)
        return true;  // Wayland and the others always have a compositor that does it
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return true;
    // An EWMH window manager names its check window on the root window.
    bool found = false;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check != None) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                               &type, &format, &count, &after, &data) == Success) {
            found = type == XA_WINDOW && count == 1;
            if (data)
                XFree(data);
        }
    }
    XCloseDisplay(display);
    return found;
}

}  // namespace platform
