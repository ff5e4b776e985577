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
    if (n == 0)
        return;
    auto at = std::find(buttons.begin(), buttons.end(), form.focusedButton());
    int i = int(at - buttons.begin());
    if (at == buttons.end()) {
        // The first navigation key, whichever it is, shows the focus on the button that keeps
        // the game going (the back or to-menu button, else the first one), never on an exit:
        // the step starts just before it (and passes on if it is disabled).
        auto safe = std::find(buttons.begin(), buttons.end(), form.cancelButton());
        i = safe == buttons.end() ? -1 : int(safe - buttons.begin()) - 1;
        direction = +1;
    }
    for (int step = 0; step < n; ++step) {
        i = ((i + direction) % n + n) % n;
        if (buttons[size_t(i)]->enabledNow()) {
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
