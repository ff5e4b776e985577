// When a finished picture may go to the screen. At most once per refresh of the display, and
// only when showing it (taking as long as showing took lately) ends before the next tick is
// due, so that the screen never holds up a tick; a picture held back for too long goes out
// anyway, so that a slow screen still moves. A picture that answers the player's input (its
// tick took in a new key or pad input) may go out a refresh early, right after its tick: it
// takes the slot of the next frame, so the frames still come once per refresh on average.
#pragma once
#include <cstdint>

#include "platform/forms/input_event.hpp"

namespace platform {

// Input whose answer the player waits to see: keys (not their auto-repeat) and pads.
inline bool IsNewPlayInput(const InputEvent& e) {
    switch (e.kind) {
        case InputEvent::Kind::kKeyDown:
            return !e.repeat;
        case InputEvent::Kind::kKeyUp:
        case InputEvent::Kind::kPadButtonDown:
        case InputEvent::Kind::kPadButtonUp:
        case InputEvent::Kind::kPadAxis:
            return true;
        default:
            return false;
    }
}

class FramePacer {
  public:
    // The longest a changed picture waits for a gap between ticks.
    static constexpr int64_t kMaxHoldMicros = 100000;

    explicit FramePacer(int64_t periodMicros = 16667) : period_(periodMicros) {}

    // `nextTickDue` < 0: no timer is waiting. `answersInput`: the picture is that of a tick
    // that took in new input.
    bool MayShow(int64_t now, int64_t nextTickDue, bool answersInput = false) const;
    // A frame went out from `start` to `end`.
    void Shown(int64_t start, int64_t end);
    // When to wake for a frame waiting to go out: its slot when it fits before the next tick,
    // or -1 when it has to wait for that tick (and goes out in the gap after it).
    int64_t WakeFor(int64_t now, int64_t nextTickDue, bool answersInput = false) const;
    // The earliest time the next frame may go out (a refresh earlier when it answers input).
    int64_t nextSlot() const { return nextSlot_; }
    int64_t period() const { return period_; }
    int64_t cost() const { return cost_; }

  private:
    int64_t EarliestFor(bool answersInput) const {
        return answersInput ? nextSlot_ - period_ : nextSlot_;
    }

    int64_t period_;
    int64_t nextSlot_ = 0;
    int64_t lastShown_ = -kMaxHoldMicros;
    int64_t cost_ = 0;  // what showing a frame took lately, on average
};

}  // namespace platform
