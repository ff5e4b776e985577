#include "platform/input/pad_state.hpp"

#include <cstdlib>

namespace platform {

std::vector<PadChange> PadState::Add(int pad) {
    pads_.try_emplace(pad);
    return {};
}

std::vector<PadChange> PadState::Remove(int pad) {
    std::vector<PadChange> out;
    auto it = pads_.find(pad);
    if (it == pads_.end())
        return out;
    for (int c = 0; c < int(PadControl::kCount); ++c) Set(it->second, PadControl(c), false, out);
    pads_.erase(it);
    return out;
}

std::vector<PadChange> PadState::Button(int pad, PadButton button, bool down) {
    std::vector<PadChange> out;
    auto it = pads_.find(pad);
    if (it != pads_.end() && int(button) >= 0 && button < PadButton::kCount)
        Set(it->second, ControlOf(button), down, out);
    return out;
}

bool PadState::PastDeadZone(int value) const {
    // Strictly beyond the ignored part of the travel (full travel is 32767 either way).
    return std::abs(value) * 100 > deadZone_ * 32767;
}

std::vector<PadChange> PadState::Axis(int pad, PadAxis axis, int value) {
    std::vector<PadChange> out;
    auto it = pads_.find(pad);
    if (it == pads_.end())
        return out;
    Pad& p = it->second;
    const bool past = PastDeadZone(value);
    switch (axis) {
        case PadAxis::kLeftX:
            Set(p, PadControl::kStickLeft, past && value < 0, out);
            Set(p, PadControl::kStickRight, past && value > 0, out);
            break;
        case PadAxis::kLeftY:  // y grows downward
            Set(p, PadControl::kStickUp, past && value < 0, out);
            Set(p, PadControl::kStickDown, past && value > 0, out);
            break;
        case PadAxis::kRightTrigger:
            Set(p, PadControl::kRightTrigger, past && value > 0, out);
            break;
        default:
            break;
    }
    return out;
}

bool PadState::AnyHolds(PadControl control) const {
    for (const auto& [id, pad] : pads_)
        if (pad.held[size_t(control)])
            return true;
    return false;
}

void PadState::Set(Pad& pad, PadControl control, bool held, std::vector<PadChange>& out) {
    if (pad.held[size_t(control)] == held)
        return;
    pad.held[size_t(control)] = held;
    out.push_back({control, held});
}

}  // namespace platform
