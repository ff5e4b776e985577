// The victory screen: opened when level 2 is cleared; shows the final score, back to the menu
// or exit.
#pragma once
#include "platform/forms/form.hpp"
#include "platform/forms/label.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/picture_button.hpp"
#include "screens/hover_family.hpp"

namespace game {

class WinForm : public HoverScreen {
  public:
    WinForm();

    platform::Label Label1, Label2, pointi;
    platform::PictureButton Command1, Command2;
    platform::PictureBox Picture1, Picture2, Picture3, Picture4;

    void Command1_Click();
    void Command2_Click();

  protected:
    void Design() override;
    void Form_Load() override;
    void Control_Click(platform::Control& control) override;
};

WinForm& win();

}  // namespace game
