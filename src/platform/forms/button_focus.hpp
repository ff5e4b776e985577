// Menus without a mouse: a focus moves through a form's enabled picture buttons in screen
// order (top to bottom, then left to right). What the player sees is what the mouse would
// show: leaving a button is a move over the bare form (the screen restores its normal images),
// reaching one is a move over it (the screen shows its hover image). Pressing is a click.
#pragma once

namespace platform {

class Form;

// Whether the form has picture buttons to navigate.
bool HasPictureButtons(const Form& form);
// Moves the focus to the next (+1) or previous (-1) enabled button, wrapping around; with
// nothing focused, either direction reaches the safe button: the cancel button (back, to the
// menu) where the form has one, else the first.
void MoveButtonFocus(Form& form, int direction);
// Clicks the focused button if it is enabled; with nothing focused, focuses the safe one.
void PressFocusedButton(Form& form);
// Clicks the form's cancel button, if it has an enabled one.
void PressCancelButton(Form& form);

}  // namespace platform
