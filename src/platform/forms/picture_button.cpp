#include "platform/forms/picture_button.hpp"

namespace platform {

PictureButton::PictureButton(Form& owner, std::string name, int left, int top, int width,
                             int height)
    : Control(owner, std::move(name), left, top, width, height) {}

void PictureButton::SetPicture(std::shared_ptr<Surface> picture) {
    Touch();
    picture_ = std::move(picture);
    Changed();
}

std::shared_ptr<Surface> PictureButton::Picture() const {
    Touch();
    return picture_;
}

void PictureButton::SetEnabled(bool enabled) {
    Touch();
    enabled_ = enabled;
    Changed();
}

bool PictureButton::Enabled() const {
    Touch();
    return enabled_;
}

void PictureButton::Draw(Surface& client) const {
    client.FillRect(left(), top(), width_, height_, 0);
    if (!picture_)
        return;
    // The picture centred on the button and clipped to it.
    const int px = (width_ - picture_->width()) / 2, py = (height_ - picture_->height()) / 2;
    for (int y = 0; y < height_; ++y) {
        int sy = y - py, cy = top() + y;
        if (sy < 0 || sy >= picture_->height() || cy < 0 || cy >= client.height())
            continue;
        for (int x = 0; x < width_; ++x) {
            int sx = x - px, cx = left() + x;
            if (sx < 0 || sx >= picture_->width() || cx < 0 || cx >= client.width())
                continue;
            uint32_t c = picture_->At(sx, sy);
            if (!enabled_) {
                // Greyed: the picture's luminance, dimmed; black stays black.
                uint32_t l =
                    (((c >> 16) & 0xFF) * 30 + ((c >> 8) & 0xFF) * 59 + (c & 0xFF) * 11) / 100;
                l = l * 150 / 255;
                c = Rgb(int(l), int(l), int(l));
            }
            client.Set(cx, cy, c);
        }
    }
}

void PictureButton::Release() {
    picture_.reset();
    enabled_ = true;
}

}  // namespace platform
