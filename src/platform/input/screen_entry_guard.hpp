// Keys and pad buttons from play never act on a screen that opens under the player's hands: a
// key or pad control that is down when a screen takes the keys does nothing there until it has
// been released, and a screen that opens by itself during play (the end of a level, a defeat)
// takes no press at all for a moment, long enough to be seen. The mouse is not held back.
#pragma once
#include <bitset>
#include <cstdint>

#include "platform/input/pad_state.hpp"

namespace platform {

class ScreenEntryGuard {
  public:
    // How long a screen that opened by itself during play ignores keys and pad buttons.
    static constexpr int64_t kSettleMicros = 750'000;

    // A screen took the keys at `now`; `openedByPlay` when it opened by itself during play.
    void ScreenTookKeys(int64_t now, bool openedByPlay, const PadState& pads);
    // Every key press and release, auto-repeats included.
    void KeyChanged(int key, bool down);
    // A pad control let go of by every pad.
    void PadReleased(PadControl control) { padHeldAtEntry_.reset(size_t(control)); }

    // Whether a key or pad press may work the screen's buttons now.
    bool KeyMayAct(int key, int64_t now) const;
    bool PadMayAct(PadControl control, int64_t now) const;

  private:
    static constexpr size_t kKeys = 512;  // physical key codes
    bool Settled(int64_t now) const { return now >= settledAt_; }

    std::bitset<kKeys> keysDown_;
    std::bitset<kKeys> keysHeldAtEntry_;
    std::bitset<size_t(PadControl::kCount)> padHeldAtEntry_;
    int64_t settledAt_ = 0;
};

}  // namespace platform
