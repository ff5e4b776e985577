// Living with the X11 window system's failures under SDL: errors from races with windows that
// are being destroyed are logged and play goes on, a window destroyed from outside is noticed,
// and a display that goes away ends the process cleanly instead of hanging in its teardown.
#pragma once
#include <cstdint>

struct SDL_Window;
union SDL_Event;

namespace platform::host {

// Installs a non-fatal X error handler (each kind of error logged once; errors that are not
// about a vanished or changed resource still go to Xlib's fatal one) and an I/O error handler
// that flushes and ends the process with status 1. Call before SDL's video set-up, so that SDL
// keeps ours behind its own and puts ours back when it shuts down (its last requests can still
// meet a window destroyed from outside).
void InstallX11ErrorHandlers();

// After SDL's video set-up, when its driver is X11: lets SDL pass on the raw window events (to
// notice windows destroyed from outside) and keeps our I/O error handler in place.
void WatchX11Windows();

// The window system's id of an SDL window, or 0.
uint64_t NativeWindowId(SDL_Window* window);

// The id of the window that `event` reports destroyed, or 0 when it reports nothing of the kind.
uint64_t DestroyedNativeWindow(const SDL_Event& event);

}  // namespace platform::host
