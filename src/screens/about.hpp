// The about screen: what the game is, its controls and the credits; back closes it.
#pragma once
#include "platform/forms/form.hpp"
#include "platform/forms/label.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/picture_button.hpp"
#include "screens/hover_family.hpp"

namespace game {

class AboutForm : public HoverScreen {
  public:
    AboutForm();

    platform::Label Label2, Label11, Label3, Label4, Label5, Label1, Label7, Label6, Label8,
        Label10, Label9;
    platform::PictureButton Command1;
    platform::PictureBox Picture1, Picture2;

    void Command1_Click();

  protected:
    void Design() override;
    void Form_Load() override;
    void Control_Click(platform::Control& control) override;
};

AboutForm& about();

}  // namespace game
