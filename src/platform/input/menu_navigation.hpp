// Moving through a screen's picture buttons from the keyboard and the pads: which key or pad
// control means previous, next, press or back, and doing it on the form.
#pragma once
#include "platform/input/key_bindings.hpp"
#include "platform/input/pad_state.hpp"

namespace platform {

class Form;

enum class MenuMove { kNone, kPrevious, kNext, kPress, kBack };

// The arrows, Tab (Shift+Tab goes back), Return, Space and Escape; keys rebound to the moves,
// jump and quit navigate like the keys they replace.
MenuMove MenuMoveOfKey(int key, Action action, bool shiftHeld);
// The d-pad and left stick move, A and Start press, B goes back.
MenuMove MenuMoveOfPad(PadControl control);
// A held key (an auto-repeat) moves again but presses and goes back only once.
void Navigate(Form& form, MenuMove move, bool repeat);

}  // namespace platform
