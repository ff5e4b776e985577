#include "platform/display/frame_pacer.hpp"

#include <algorithm>

namespace platform {

bool FramePacer::MayShow(int64_t now, int64_t nextTickDue) const {
    if (now < nextSlot_)
        return false;
    return nextTickDue < 0 || now + cost_ <= nextTickDue || now - lastShown_ >= kMaxHoldMicros;
}

int64_t FramePacer::WakeFor(int64_t now, int64_t nextTickDue) const {
    const int64_t at = std::max(now, nextSlot_);
    if (nextTickDue < 0 || at + cost_ <= nextTickDue)
        return at;
    return -1;
}

void FramePacer::Shown(int64_t start, int64_t end) {
    const int64_t took = std::max<int64_t>(0, end - start);
    // A typical cost, not the worst: one frame held up by a busy window system must not
    // starve the screen for long.
    cost_ = (cost_ * 3 + took) / 4;
    // Slots follow the display's period; a late frame does not earn a burst of quick ones.
    nextSlot_ = std::max(nextSlot_ + period_, start + period_ / 2);
    lastShown_ = end;
}

}  // namespace platform
