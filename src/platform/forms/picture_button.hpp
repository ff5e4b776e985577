// Picture-only command buttons: black face, the picture centred and clipped, greyed when
// disabled.
#pragma once
#include <memory>

#include "platform/forms/control.hpp"

namespace platform {

class PictureButton : public Control {
  public:
    PictureButton(Form& owner, std::string name, int left, int top, int width, int height);

    void SetPicture(std::shared_ptr<Surface> picture);
    std::shared_ptr<Surface> Picture() const;
    void SetEnabled(bool enabled);
    bool Enabled() const;
    bool enabledNow() const { return enabled_; }  // without the loading rule

    bool AcceptsInput() const override { return enabled_; }
    void Draw(Surface& client) const override;
    void Release() override;

  private:
    std::shared_ptr<Surface> picture_;
    bool enabled_ = true;
};

}  // namespace platform
