// Picture boxes: hold a picture or a persistent drawing surface, optionally with a 2-pixel
// sunken border (outer size = inner size + 4) and sizing themselves to their picture.
#pragma once
#include <memory>

#include "platform/forms/control.hpp"

namespace platform {

struct PictureBoxStyle {
    bool sunkenBorder = false;
    bool autoSize = false;
    bool persistentImage = false;  // an off-screen drawing surface of the inner size
};

class PictureBox : public Control {
  public:
    PictureBox(Form& owner, std::string name, int left, int top, int width, int height,
               PictureBoxStyle style);

    void SetPicture(std::shared_ptr<Surface> picture);
    // Back to an empty box of the given outer size (design time).
    void ResetSize(int width, int height);
    std::shared_ptr<Surface> Picture() const;

    // The raster surface of the box: its persistent image, or else its picture.
    Surface& Hdc();
    // Inner (drawable) size and outer size, in pixels.
    float ScaleWidth() const;
    float ScaleHeight() const;
    float Width() const;
    float Height() const;

    int width() const override { return width_; }
    int height() const override { return height_; }
    void Draw(Surface& client) const override;
    // The frame, the picture and the face colour where the picture ends cover the whole box.
    bool Opaque() const override { return true; }
    void Release() override;

  private:
    int Border() const { return style_.sunkenBorder ? 2 : 0; }
    void ApplyAutoSize();

    PictureBoxStyle style_;
    std::shared_ptr<Surface> picture_;
    Surface image_;
    Surface noPicture_;
};

}  // namespace platform
