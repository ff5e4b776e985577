#include "platform/forms/button_focus.hpp"

#include <algorithm>
#include <vector>

#include "platform/forms/form.hpp"
#include "platform/forms/picture_button.hpp"

namespace platform {
namespace {

// Every picture button of the form, in screen order.
std::vector<PictureButton*> ButtonsInScreenOrder(const Form& form) {
    std::vector<PictureButton*> buttons;
    for (Control* c : form.controls())
        if (auto* b = dynamic_cast<PictureButton*>(c))
            buttons.push_back(b);
    std::stable_sort(buttons.begin(), buttons.end(), [](const Control* a, const Control* b) {
        return a->top() != b->top() ? a->top() < b->top() : a->left() < b->left();
    });
    return buttons;
}

void FocusOn(Form& form, PictureButton* target) {
    form.DeliverMouseMove(nullptr);  // leaving the old button: the screen's restore handler
    form.SetFocusedButton(target);
    form.DeliverMouseMove(target);  // over the new one: its hover handler
}

}  // namespace

bool HasPictureButtons(const Form& form) {
    return !ButtonsInScreenOrder(form).empty();
}

void MoveButtonFocus(Form& form, int direction) {
    const std::vector<PictureButton*> buttons = ButtonsInScreenOrder(form);
    const int n = int(buttons.size());
    auto at = std::find(buttons.begin(), buttons.end(), form.focusedButton());
    // Nothing focused: start just outside the list, so the first step lands on an end.
    int i = at == buttons.end() ? (direction > 0 ? -1 : n) : int(at - buttons.begin());
    for (int step = 0; step < n; ++step) {
        i = ((i + direction) % n + n) % n;
        if (buttons[size_t(i)]->EnabledNow()) {
            FocusOn(form, buttons[size_t(i)]);
            return;
        }
    }
}

void PressFocusedButton(Form& form) {
    Control* focused = form.focusedButton();
    if (!focused) {
        MoveButtonFocus(form, +1);
        return;
    }
    form.DeliverClick(focused);  // a disabled button takes no clicks
}

void PressCancelButton(Form& form) {
    if (Control* cancel = form.cancelButton())
        form.DeliverClick(cancel);
}

}  // namespace platform
