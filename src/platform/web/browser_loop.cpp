// The browser turns the game's loop: a page may not sleep, so each turn runs what is due and
// then asks to be called again when the next timer event is due.
//
// The step is timed with setTimeout, not with the display's frames: the game's timers fire at
// most once per turn and skip what they missed, so a turn per frame (60 a second) would give 60
// ticks a second instead of 100. Frames still go out at most once per refresh (FramePacer).
#include <emscripten.h>

#include <algorithm>

#include "platform/forms/app.hpp"
#include "platform/web/page.hpp"
#include "platform/web/web_frontend.hpp"

namespace platform::web {
namespace {

WebFrontend* g_looping = nullptr;

// The longest the page goes without looking at its input: keys and clicks wait at most this.
constexpr int kIdleMs = 10;

int DelayMs(App& app, int64_t due) {
    if (due < 0)
        return kIdleMs;
    const int64_t wait = due - app.clock().PaceMicros();
    return int(std::clamp<int64_t>((wait + 999) / 1000, 0, kIdleMs));
}

}  // namespace

std::optional<int> WebFrontend::Loop(App&, LoopTurn turn, LoopEnd end) {
    turn_ = std::move(turn);
    end_ = std::move(end);
    g_looping = this;
    // The run goes on after this returns: the turns and the end are kept here.
    emscripten_set_main_loop(&WebFrontend::Step, 0, 0);
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, 0);
    return std::nullopt;
}

void WebFrontend::Step() {
    WebFrontend& self = *g_looping;
    App& app = App::Get();
    try {
        const int64_t due = self.turn_();
        emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, DelayMs(app, due));
    } catch (...) {
        emscripten_cancel_main_loop();
        // Ending the run replaces this front end: nothing of it is used after.
        const LoopEnd end = std::move(self.end_);
        g_looping = nullptr;
        const int status = end(std::current_exception());
        SaveStorage();
        TellGameEnded(status);
    }
}

}  // namespace platform::web
