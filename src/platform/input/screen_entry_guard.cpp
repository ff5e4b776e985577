#include "platform/input/screen_entry_guard.hpp"

namespace platform {

void ScreenEntryGuard::ScreenTookKeys(int64_t now, bool openedByPlay, const PadState& pads) {
    keysHeldAtEntry_ = keysDown_;
    for (size_t c = 0; c < padHeldAtEntry_.size(); ++c)
        padHeldAtEntry_[c] = pads.AnyHolds(PadControl(c));
    settledAt_ = openedByPlay ? now + kSettleMicros : 0;
}

void ScreenEntryGuard::KeyChanged(int key, bool down) {
    if (key < 0 || size_t(key) >= kKeys)
        return;
    keysDown_[size_t(key)] = down;
    if (!down)
        keysHeldAtEntry_.reset(size_t(key));
}

bool ScreenEntryGuard::KeyMayAct(int key, int64_t now) const {
    const bool heldFromBefore = key >= 0 && size_t(key) < kKeys && keysHeldAtEntry_[size_t(key)];
    return Settled(now) && !heldFromBefore;
}

bool ScreenEntryGuard::PadMayAct(PadControl control, int64_t now) const {
    return Settled(now) && !padHeldAtEntry_[size_t(control)];
}

}  // namespace platform
