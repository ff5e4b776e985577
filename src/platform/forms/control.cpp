#include "platform/forms/control.hpp"

#include "platform/forms/form.hpp"

namespace platform {

Control::Control(Form& owner, std::string name, int left, int top, int width, int height)
    : width_(width),
      height_(height),
      owner_(owner),
      name_(std::move(name)),
      left_(left),
      top_(top) {
    owner.AddControl(this);
}

bool Control::Contains(int x, int y) const {
    return x >= left_ && y >= top_ && x < left_ + width() && y < top_ + height();
}

void Control::Touch() const {
    owner_.EnsureLoaded();
}

void Control::Changed() const {
    owner_.InvalidateControl(this);
}

void Control::Resized() const {
    owner_.Invalidate();
}

}  // namespace platform
