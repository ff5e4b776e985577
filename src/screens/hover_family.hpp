// The hover behaviour of the screens' picture buttons: moving over a button shows its hover
// image, moving over the bare form puts every normal image back, in a fixed order.
#pragma once
#include <vector>

#include "platform/forms/control.hpp"
#include "platform/forms/form.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/picture_button.hpp"

namespace game {

struct HoverMember {
    platform::PictureButton& button;
    platform::PictureBox& hover;   // holder of the hover image
    platform::PictureBox& normal;  // holder of the normal image
};

class HoverFamily {
  public:
    HoverFamily() = default;
    // Members in the order their normal images are restored.
    explicit HoverFamily(std::vector<HoverMember> members) : members_(std::move(members)) {}

    // A button's MouseMove: copies its hover image into it. Other controls change nothing.
    void ButtonMouseMove(const platform::Control& control) const;
    // Form_MouseMove: copies every normal image back, even when already in place.
    void FormMouseMove() const;
    const std::vector<HoverMember>& members() const { return members_; }

  private:
    std::vector<HoverMember> members_;
};

// A screen whose picture buttons form one hover family: the form's mouse-move handlers are
// the family's.
class HoverScreen : public platform::Form {
  public:
    using platform::Form::Form;

    const HoverFamily& hoverFamily() const { return hover_; }

  protected:
    // Called by the screen's constructor once its controls exist.
    void SetHoverFamily(std::vector<HoverMember> members) {
        hover_ = HoverFamily(std::move(members));
    }
    void Form_MouseMove() override { hover_.FormMouseMove(); }
    void Control_MouseMove(platform::Control& control) override { hover_.ButtonMouseMove(control); }

  private:
    HoverFamily hover_;
};

}  // namespace game
