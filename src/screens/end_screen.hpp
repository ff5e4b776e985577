// The three screens that follow play (between levels, victory, defeat): each has the two
// picture buttons Command1 and Command2, and a click on one runs that button's handler.
#pragma once
#include "platform/forms/control.hpp"
#include "screens/hover_family.hpp"

namespace game {

class EndScreen : public HoverScreen {
  public:
    using HoverScreen::HoverScreen;

    virtual void Command1_Click() = 0;
    virtual void Command2_Click() = 0;

  protected:
    // Called by the screen's constructor: the buttons stay the screen's own members, so their
    // place among its controls (the drawing order) is the screen's to choose.
    void SetCommandButtons(const platform::Control& command1, const platform::Control& command2) {
        command1_ = &command1;
        command2_ = &command2;
    }
    void Control_Click(platform::Control& control) final;

  private:
    const platform::Control* command1_ = nullptr;
    const platform::Control* command2_ = nullptr;
};

}  // namespace game
