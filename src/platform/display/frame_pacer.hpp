// When a finished picture may go to the screen. At most once per refresh of the display, and
// only when showing it (taking as long as showing took lately) ends before the next tick is
// due, so that the screen never holds up a tick; a picture held back for too long goes out
// anyway, so that a slow screen still moves.
#pragma once
#include <cstdint>

namespace platform {

class FramePacer {
  public:
    // The longest a changed picture waits for a gap between ticks.
    static constexpr int64_t kMaxHoldMicros = 100000;

    explicit FramePacer(int64_t periodMicros = 16667) : period_(periodMicros) {}

    // `nextTickDue` < 0: no timer is waiting.
    bool MayShow(int64_t now, int64_t nextTickDue) const;
    // A frame went out from `start` to `end`.
    void Shown(int64_t start, int64_t end);
    // When to wake for a frame waiting to go out: its slot when it fits before the next tick,
    // or -1 when it has to wait for that tick (and goes out in the gap after it).
    int64_t WakeFor(int64_t now, int64_t nextTickDue) const;
    // The earliest time the next frame may go out.
    int64_t NextSlot() const { return nextSlot_; }
    int64_t period() const { return period_; }
    int64_t cost() const { return cost_; }

  private:
    int64_t period_;
    int64_t nextSlot_ = 0;
    int64_t lastShown_ = -kMaxHoldMicros;
    int64_t cost_ = 0;  // what showing a frame took lately, on average
};

}  // namespace platform
