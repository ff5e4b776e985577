#include "platform/picture_box.hpp"

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
    ApplyAutoSize();
    Changed();
}

void PictureBox::ResetSize(int width, int height) {
    picture_.reset();
    width_ = width;
    height_ = height;
    Changed();
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
    if (b > 0) {
        // Sunken frame: dark on the top and left, light on the bottom and right.
        client.FillRect(left(), top(), width_, height_, Rgb(255, 255, 255));
        client.FillRect(left(), top(), width_ - 1, height_ - 1, Rgb(128, 128, 128));
        client.FillRect(left() + 1, top() + 1, width_ - 2, height_ - 2, Rgb(212, 208, 200));
        client.FillRect(left() + 1, top() + 1, width_ - 3, height_ - 3, Rgb(64, 64, 64));
    }
    const int innerW = width_ - 2 * b, innerH = height_ - 2 * b;
    client.FillRect(left() + b, top() + b, innerW, innerH, Rgb(212, 208, 200));
    const Surface* content = style_.persistentImage ? &image_ : picture_.get();
    if (content) {
        // Clip to the inner area: the blit clips to the client only.
        int w = std::min(innerW, content->width()), h = std::min(innerH, content->height());
        BitBlt(client, left() + b, top() + b, w, h, *content, 0, 0, Rop::kSrcCopy);
    }
}

void PictureBox::Release() {
    picture_.reset();
    if (style_.persistentImage)
        image_.Fill(0);
}

}  // namespace platform
