// Text labels.
#pragma once
#include <string>

#include "platform/core/text.hpp"
#include "platform/forms/control.hpp"

namespace platform {

struct LabelStyle {
    Font font;
    uint32_t foreColour = 0x000000;
    uint32_t backColour = 0xC0C0C0;
    bool transparent = false;
    Alignment alignment = Alignment::kLeft;
    bool wrap = true;
};

class Label : public Control {
  public:
    Label(Form& owner, std::string name, int left, int top, int width, int height,
          LabelStyle style);

    void SetCaption(std::string caption);
    std::string Caption() const;
    // The caption as it stands, without the loading rule (for traces and screenshots).
    const std::string& captionText() const { return caption_; }

    void Draw(Surface& client) const override;
    void Release() override { caption_.clear(); }

  private:
    LabelStyle style_;
    std::string caption_;
    // The caption rendered for the last draw; rendering text is the slow part of a redraw.
    mutable RenderedText rendered_;
    mutable std::string renderedCaption_;
    mutable bool renderedValid_ = false;
};

}  // namespace platform
