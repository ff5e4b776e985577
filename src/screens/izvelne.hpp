// The main menu: start a game, options, about, exit; the menu music starts as it loads.
#pragma once
#include "platform/forms/form.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/picture_button.hpp"
#include "screens/hover_family.hpp"

namespace game {

class IzvelneForm : public HoverScreen {
  public:
    IzvelneForm();

    platform::PictureButton Command1, Command2, Command4, Command3;
    platform::PictureBox Picture1, Picture2, Picture3, Picture4, Picture5, Picture6, Picture7,
        Picture8;

    // Start: the menu closes, then the new game is set up.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

  protected:
    void Design() override;
    void Form_Load() override;
    void Control_Click(platform::Control& control) override;
};

IzvelneForm& izvelne();

}  // namespace game
