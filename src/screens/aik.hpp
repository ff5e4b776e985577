// The between-levels screen: opened over the stopped game window when level 1 is cleared;
// next level sets up level 2 in that window, exit ends the game.
#pragma once
#include "platform/forms/form.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/picture_button.hpp"
#include "screens/hover_family.hpp"

namespace game {

class AikForm : public HoverScreen {
  public:
    AikForm();

    platform::PictureButton Command1, Command2;
    platform::PictureBox Picture1, Picture2, Picture3, Picture4;

    // Next level: this screen closes, then level 2 is set up.
    void Command1_Click();
    void Command2_Click();

  protected:
    void Design() override;
    void Form_Load() override;
    void Control_Click(platform::Control& control) override;
};

AikForm& aik();

}  // namespace game
