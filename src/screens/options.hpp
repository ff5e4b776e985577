// The options screen: level music on or off as a two-way switch, and back to the menu.
#pragma once
#include "platform/forms/form.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/picture_button.hpp"
#include "screens/hover_family.hpp"

namespace game {

class OptionsForm : public HoverScreen {
  public:
    OptionsForm();

    platform::PictureButton Command1, Command3, Command2;
    platform::PictureBox Picture1, Picture2, Picture3, Picture4, Picture5, Picture6;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

  protected:
    void Design() override;
    void Form_Load() override;
    void Control_Click(platform::Control& control) override;
};

OptionsForm& options();

}  // namespace game
