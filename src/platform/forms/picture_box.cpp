#include "platform/forms/picture_box.hpp"

#include <algorithm>

namespace platform {

PictureBox::PictureBox(Form& owner, std::string name, int left, int top, int width, int height,
                       PictureBoxStyle style)
    : Control(owner, std::move(name), left, top, width, height), style_(style) {
    if (style_.persistentImage)
        image_.Reset(width - 2 * Border(), height - 2 * Border());
}

void PictureBox::SetPicture(std::shared_ptr<Surface> picture) {
    Touch();
    picture_ = std::move(picture);
    if (style_.persistentImage && picture_) {
        image_.Fill(0);
        BitBlt(image_, 0, 0, image_.width(), image_.height(), *picture_, 0, 0, Rop::kSrcCopy);
    }
    const int width = width_, height = height_;
    ApplyAutoSize();
    if (width != width_ || height != height_)
        Resized();
    else
        Changed();
}

void PictureBox::ResetSize(int width, int height) {
    picture_.reset();
    width_ = width;
    height_ = height;
    Resized();
}

std::shared_ptr<Surface> PictureBox::Picture() const {
    Touch();
    return picture_;
}

void PictureBox::ApplyAutoSize() {
    if (!style_.autoSize || !picture_)
        return;
    width_ = picture_->width() + 2 * Border();
    height_ = picture_->height() + 2 * Border();
}

Surface& PictureBox::Hdc() {
    Touch();
    if (style_.persistentImage) {
        Changed();
        return image_;
    }
    return picture_ ? *picture_ : noPicture_;
}

float PictureBox::ScaleWidth() const {
    Touch();
    return float(width_ - 2 * Border());
}
float PictureBox::ScaleHeight() const {
    Touch();
    return float(height_ - 2 * Border());
}
float PictureBox::Width() const {
    Touch();
    return float(width_);
}
float PictureBox::Height() const {
    Touch();
    return float(height_);
}

void PictureBox::Draw(Surface& client) const {
    const int b = Border();
    const int x = left(), y = top(), w = width_, h = height_;
    if (b > 0) {
        // Sunken frame: dark on the top and left, light on the bottom and right.
        client.FillRect(x, y, w, 1, Rgb(128, 128, 128));
        client.FillRect(x, y, 1, h, Rgb(128, 128, 128));
        client.FillRect(x + 1, y + 1, w - 2, 1, Rgb(64, 64, 64));
        client.FillRect(x + 1, y + 1, 1, h - 2, Rgb(64, 64, 64));
        client.FillRect(x, y + h - 1, w, 1, Rgb(255, 255, 255));
        client.FillRect(x + w - 1, y, 1, h, Rgb(255, 255, 255));
        client.FillRect(x + 1, y + h - 2, w - 2, 1, Rgb(212, 208, 200));
        client.FillRect(x + w - 2, y + 1, 1, h - 2, Rgb(212, 208, 200));
    }
    const int innerW = w - 2 * b, innerH = h - 2 * b;
    const Surface* content = style_.persistentImage ? &image_ : picture_.get();
    const int cw = content ? std::min(innerW, content->width()) : 0;
    const int ch = content ? std::min(innerH, content->height()) : 0;
    if (cw < innerW || ch < innerH)
        client.FillRect(x + b, y + b, innerW, innerH, Rgb(212, 208, 200));
    if (content)
        BitBlt(client, x + b, y + b, cw, ch, *content, 0, 0, Rop::kSrcCopy);
}

void PictureBox::Release() {
    picture_.reset();
    if (style_.persistentImage)
        image_.Fill(0);
}

}  // namespace platform
