// Input as the application delivers it to forms: keys by physical position, mouse, pads and
// window focus. Everything a player can do arrives as one of these, so that it can be scripted,
// recorded and replayed.
#pragma once
#include <optional>
#include <string>

namespace platform {

class Form;
class Control;

// Pad buttons and axes in the game-controller layout (positions, not labels: A is the bottom
// face button).
enum class PadButton : int {
    kA,
    kB,
    kX,
    kY,
    kBack,
    kGuide,
    kStart,
    kLeftStick,
    kRightStick,
    kLeftShoulder,
    kRightShoulder,
    kDpadUp,
    kDpadDown,
    kDpadLeft,
    kDpadRight,
    kCount
};
enum class PadAxis : int { kLeftX, kLeftY, kRightX, kRightY, kLeftTrigger, kRightTrigger, kCount };

struct InputEvent {
    enum class Kind {
        kKeyDown,
        kKeyUp,
        kClick,
        kMouseMove,
        kClose,
        kPadAdded,
        kPadRemoved,
        kPadButtonDown,
        kPadButtonUp,
        kPadAxis,
        kFocusGained,  // the window of `form` took the keyboard focus
        kFocusLost,    // the window of `form` (nullptr: whichever had it) lost it or was minimised
    };
    Kind kind;
    Form* form = nullptr;        // kClick, kMouseMove, kClose, kFocusGained, kFocusLost
    Control* control = nullptr;  // nullptr: the bare form
    int key = 0;                 // kKeyDown, kKeyUp: the physical key (a PhysicalKey)
    bool repeat = false;         // kKeyDown: sent again by the keyboard's auto-repeat
    int pad = 0;                 // kPad*: which pad
    PadButton button{};          // kPadButton*
    PadAxis axis{};              // kPadAxis
    int value = 0;               // kPadAxis: -32768 to 32767 (triggers 0 to 32767)
};

// The game's key codes, as the game window's key handlers receive them.
enum KeyCode : int {
    kKeyCtrl = 17,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
};

// Physical keys: the USB HID usage numbers (SDL's scancodes), independent of the layout.
// Only the keys the code names itself are listed; any other number is a key too.
enum PhysicalKey : int {
    kPhysA = 4,
    kPhysM = 16,
    kPhysP = 19,
    kPhysW = 26,
    kPhysReturn = 40,
    kPhysEscape = 41,
    kPhysTab = 43,
    kPhysSpace = 44,
    kPhysF9 = 66,
    kPhysF10 = 67,
    kPhysF11 = 68,
    kPhysF12 = 69,
    kPhysPause = 72,
    kPhysRight = 79,
    kPhysLeft = 80,
    kPhysDown = 81,
    kPhysUp = 82,
    kPhysKeypadEnter = 88,
    kPhysLeftCtrl = 224,
    kPhysLeftShift = 225,
    kPhysRightCtrl = 228,
    kPhysRightShift = 229,
};

// Script names of pad buttons and axes ("A", "Start", "DpadLeft"; "LeftX", "RightTrigger").
const char* PadButtonName(PadButton button);
const char* PadAxisName(PadAxis axis);
// None when unknown; names are matched without regard to case.
std::optional<PadButton> PadButtonOf(const std::string& name);
std::optional<PadAxis> PadAxisOf(const std::string& name);

}  // namespace platform
