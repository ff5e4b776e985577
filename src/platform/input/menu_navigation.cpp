#include "platform/input/menu_navigation.hpp"

#include "platform/forms/button_focus.hpp"
#include "platform/forms/input_event.hpp"

namespace platform {

MenuMove MenuMoveOfKey(int key, Action action, bool shiftHeld) {
    switch (key) {
        case kPhysTab:
            return shiftHeld ? MenuMove::kPrevious : MenuMove::kNext;
        case kPhysLeft:
        case kPhysUp:
            return MenuMove::kPrevious;
        case kPhysRight:
        case kPhysDown:
            return MenuMove::kNext;
        case kPhysReturn:
        case kPhysKeypadEnter:
        case kPhysSpace:
            return MenuMove::kPress;
        case kPhysEscape:
            return MenuMove::kBack;
        default:
            break;
    }
    switch (action) {
        case Action::kLeft:
        case Action::kUp:
            return MenuMove::kPrevious;
        case Action::kRight:
        case Action::kDown:
            return MenuMove::kNext;
        case Action::kJump:
            return MenuMove::kPress;
        case Action::kQuit:
            return MenuMove::kBack;
        default:
            return MenuMove::kNone;
    }
}

MenuMove MenuMoveOfPad(PadControl control) {
    const std::optional<PadButton> button = SteeringButtonOf(control);
    if (!button)
        return MenuMove::kNone;
    switch (*button) {
        case PadButton::kDpadLeft:
        case PadButton::kDpadUp:
            return MenuMove::kPrevious;
        case PadButton::kDpadRight:
        case PadButton::kDpadDown:
            return MenuMove::kNext;
        case PadButton::kA:
        case PadButton::kStart:
            return MenuMove::kPress;
        case PadButton::kB:
            return MenuMove::kBack;
        default:
            return MenuMove::kNone;
    }
}

void Navigate(Form& form, MenuMove move, bool repeat) {
    switch (move) {
        case MenuMove::kPrevious:
            MoveButtonFocus(form, -1);
            break;
        case MenuMove::kNext:
            MoveButtonFocus(form, +1);
            break;
        case MenuMove::kPress:
            if (!repeat)
                PressFocusedButton(form);
            break;
        case MenuMove::kBack:
            if (!repeat)
                PressCancelButton(form);
            break;
        case MenuMove::kNone:
            break;
    }
}

}  // namespace platform
