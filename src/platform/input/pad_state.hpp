// The pads in use and what each holds: buttons, plus the left stick's four directions and the
// right trigger, which count as held once they are pushed past the dead zone.
#pragma once
#include <bitset>
#include <map>
#include <optional>
#include <vector>

#include "platform/forms/input_event.hpp"

namespace platform {

// A pad input that is either held or not: a button (ControlOf: the PadButton's number), or one
// of the left stick's directions or the right trigger, held past the dead zone.
enum class PadControl : int {
    kStickLeft = int(PadButton::kCount),
    kStickRight,
    kStickUp,
    kStickDown,
    kRightTrigger,
    kCount
};
constexpr PadControl ControlOf(PadButton b) {
    return PadControl(int(b));
}
// The button a control is, if it is one.
constexpr std::optional<PadButton> ButtonOf(PadControl c) {
    if (c < PadControl::kStickLeft)
        return PadButton(int(c));
    return std::nullopt;
}
// The button a control steers as: the stick's directions work as the d-pad's; the trigger is no
// button.
constexpr std::optional<PadButton> SteeringButtonOf(PadControl c) {
    switch (c) {
        case PadControl::kStickLeft:
            return PadButton::kDpadLeft;
        case PadControl::kStickRight:
            return PadButton::kDpadRight;
        case PadControl::kStickUp:
            return PadButton::kDpadUp;
        case PadControl::kStickDown:
            return PadButton::kDpadDown;
        default:
            return ButtonOf(c);
    }
}

struct PadChange {
    PadControl control;
    bool held;
};

class PadState {
  public:
    // Percent of the travel that is ignored (0 to 90).
    void SetDeadZone(int percent) { deadZone_ = percent; }

    // Each returns what changed, in order. Input from a pad that is not connected is ignored.
    std::vector<PadChange> Add(int pad);
    std::vector<PadChange> Remove(int pad);  // releases all it held
    std::vector<PadChange> Button(int pad, PadButton button, bool down);
    std::vector<PadChange> Axis(int pad, PadAxis axis, int value);

    bool Connected(int pad) const { return pads_.count(pad) > 0; }
    size_t Count() const { return pads_.size(); }
    // Whether any connected pad holds the control.
    bool AnyHolds(PadControl control) const;

  private:
    struct Pad {
        std::bitset<size_t(PadControl::kCount)> held;
    };
    void Set(Pad& pad, PadControl control, bool held, std::vector<PadChange>& out);
    bool PastDeadZone(int value) const;

    int deadZone_ = 30;
    std::map<int, Pad> pads_;
};

}  // namespace platform
