#include "platform/frame_pacer.hpp"

#include <algorithm>

namespace platform {

bool FramePacer::MayShow(int64_t now, int64_t nextTickDue) const {
    if (now < nextSlot_)
        return false;
    return nextTickDue < 0 || now + cost_ <= nextTickDue || now - lastShown_ >= kMaxHoldMicros;
}

void FramePacer::Shown(int64_t start, int64_t end) {
    const int64_t took = std::max<int64_t>(0, end - start);
    cost_ = took >= cost_ ? took : (cost_ * 7 + took) / 8;
    // Slots follow the display's period; a late frame does not earn a burst of quick ones.
    nextSlot_ = std::max(nextSlot_ + period_, start + period_ / 2);
    lastShown_ = end;
}

}  // namespace platform
