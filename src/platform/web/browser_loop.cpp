// The browser turns the game's loop: a page may not sleep, so each turn runs what is due and
// then asks to be called again when the next timer event is due.
//
// The step is timed with setTimeout, not with the display's frames: the game's timers fire at
// most once per turn, so a turn per frame (60 a second) would fall behind 100 ticks a second.
// Frames still go out at most once per refresh (FramePacer).
#include <emscripten.h>

#include <algorithm>

#include "platform/forms/app.hpp"
#include "platform/web/page.hpp"
#include "platform/web/web_frontend.hpp"

namespace platform::web {
namespace {

WebFrontend* g_looping = nullptr;

// The longest the page goes without looking at its input: keys and clicks wait at most this.
constexpr int64_t kIdleMicros = 10'000;
// Turns run back to back at most this often in one step, so that the page keeps answering.
constexpr int kMostTurnsAtOnce = 50;

// clang-format off
// Each step comes as a message, after a timeout when it has to wait: a timeout set from a
// timeout's own callback is held to at least 4 ms once they nest, which would make every short
// wait late; a message's callback starts that count again.
EM_JS(void, CallStepAfter, (double waitMs), {
    if (!Module.dunspeltStep) {
        const channel = new MessageChannel();
        channel.port1.onmessage = () => Module._dunspelt_step();
        Module.dunspeltStep = () => channel.port2.postMessage(0);
    }
    if (waitMs > 0) setTimeout(Module.dunspeltStep, Math.ceil(waitMs));
    else Module.dunspeltStep();
});
// clang-format on

double WaitMs(App& app, int64_t due) {
    if (due < 0)
        return double(kIdleMicros) / 1000;
    return double(std::clamp<int64_t>(due - app.clock().PaceMicros(), 0, kIdleMicros)) / 1000;
}

}  // namespace

std::optional<int> WebFrontend::Loop(App&, LoopTurn turn, LoopEnd end) {
    turn_ = std::move(turn);
    end_ = std::move(end);
    g_looping = this;
    // The run goes on after this returns: the turns and the end are kept here.
    CallStepAfter(0);
    return std::nullopt;
}

void WebFrontend::Step() {
    if (!g_looping)
        return;
    WebFrontend& self = *g_looping;
    App& app = App::Get();
    try {
        // A turn that came late leaves timer events due: they are caught up at once, on their
        // own due times (see TimerCatchUpMicros), so the ticks keep their rate.
        int64_t due = self.turn_();
        for (int turns = 1; due >= 0 && due <= app.clock().PaceMicros() && turns < kMostTurnsAtOnce;
             ++turns)
            due = self.turn_();
        CallStepAfter(WaitMs(app, due));
    } catch (...) {
        // Ending the run replaces this front end: nothing of it is used after.
        const LoopEnd end = std::move(self.end_);
        g_looping = nullptr;
        const int status = end(std::current_exception());
        SaveStorage();
        TellGameEnded(status);
    }
}

}  // namespace platform::web

extern "C" EMSCRIPTEN_KEEPALIVE void dunspelt_step() {
    platform::web::WebFrontend::Step();
}
