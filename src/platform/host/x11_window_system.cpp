#include "platform/host/x11_window_system.hpp"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <cstdio>
#include <cstring>

#include "platform/run/abrupt_end.hpp"

namespace platform::host {
namespace {

using ErrorHandler = int (*)(Display*, XErrorEvent*);
ErrorHandler previousErrorHandler = nullptr;

// Errors about a resource that vanished or changed under a request (a window destroyed by
// another client, or by SDL itself while its events were still on their way).
bool FromARace(const XErrorEvent& e) {
    switch (e.error_code) {
        case BadWindow:
        case BadDrawable:
        case BadPixmap:
        case BadCursor:
        case BadColor:
        case BadGC:
        case BadMatch:
        case BadValue:
            return true;
        default:
            return false;
    }
}

int OnXError(Display* display, XErrorEvent* e) {
    if (!FromARace(*e))
        return previousErrorHandler ? previousErrorHandler(display, e) : 0;
    // Plain data, not a container: SDL's last requests are answered during the process's exit,
    // after destructors of statics have run.
    static bool logged[256][256];
    if (!logged[e->error_code][e->request_code]) {
        logged[e->error_code][e->request_code] = true;
        char text[128] = "";
        XGetErrorText(display, e->error_code, text, sizeof text);
        std::fprintf(stderr,
                     "dunspelt: window system error ignored: %s (request %d.%d, resource 0x%lx)\n",
                     text, int(e->request_code), int(e->minor_code), e->resourceid);
    }
    return 0;
}

int OnDisplayLost(Display*) {
    EndAbruptly(1, "the connection to the display was lost");
}

}  // namespace

void InstallX11ErrorHandlers() {
    if (previousErrorHandler)
        return;
    previousErrorHandler = XSetErrorHandler(OnXError);
    XSetIOErrorHandler(OnDisplayLost);
}

void WatchX11Windows() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "x11") != 0)
        return;
    XSetIOErrorHandler(OnDisplayLost);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

uint64_t NativeWindowId(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return 0;
    return uint64_t(info.info.x11.window);
}

uint64_t DestroyedNativeWindow(const SDL_Event& event) {
    if (event.type != SDL_SYSWMEVENT || !event.syswm.msg ||
        event.syswm.msg->subsystem != SDL_SYSWM_X11)
        return 0;
    const XEvent& x = event.syswm.msg->msg.x11.event;
    return x.type == DestroyNotify ? uint64_t(x.xdestroywindow.window) : 0;
}

}  // namespace platform::host
