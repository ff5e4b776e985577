// Input as the application delivers it to forms.
#pragma once
#include <string>

namespace platform {

class Form;
class Control;

struct InputEvent {
    enum class Kind { kKeyDown, kKeyUp, kClick, kMouseMove, kClose };
    Kind kind;
    Form* form = nullptr;        // kClick, kMouseMove, kClose
    Control* control = nullptr;  // nullptr: the bare form
    int keyCode = 0;             // kKeyDown, kKeyUp: delivered to the active form
};

// The game's key codes.
enum KeyCode : int {
    kKeyCtrl = 17,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
};

}  // namespace platform
