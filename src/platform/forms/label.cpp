#include "platform/forms/label.hpp"

namespace platform {

Label::Label(Form& owner, std::string name, int left, int top, int width, int height,
             LabelStyle style)
    : Control(owner, std::move(name), left, top, width, height), style_(style) {}

void Label::SetCaption(std::string caption) {
    Touch();
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    Changed();
}

std::string Label::Caption() const {
    Touch();
    return caption_;
}

void Label::Draw(Surface& client) const {
    if (!style_.transparent)
        client.FillRect(left(), top(), width_, height_, style_.backColour);
    if (!renderedValid_ || renderedCaption_ != caption_) {
        rendered_ = RenderText(caption_, style_.font, style_.foreColour, style_.alignment,
                               style_.wrap, width_);
        renderedCaption_ = caption_;
        renderedValid_ = true;
    }
    BlendText(client, left(), top(), width_, height_, rendered_, style_.alignment);
}

}  // namespace platform
