#include "screens/aik.hpp"

#include "combat/screen_links.hpp"
#include "screens/game_start.hpp"
#include "screens/screen_common.hpp"

namespace game {

AikForm::AikForm()
    : HoverScreen("aik", 312, 213, platform::BorderStyle::kFixedSingle),
      Command1(*this, "Command1", 56, 24, 209, 81),
      Command2(*this, "Command2", 56, 112, 209, 81),
      Picture1(*this, "Picture1", 8, 152, 25, 33, kImageHolder),
      Picture2(*this, "Picture2", 272, 168, 41, 17, kImageHolder),
      Picture3(*this, "Picture3", 8, 40, 17, 33, kImageHolder),
      Picture4(*this, "Picture4", 280, 40, 25, 33, kImageHolder) {
    LinkBetweenLevels(*this);
    SetHoverFamily({{Command2, Picture1, Picture2}, {Command1, Picture3, Picture4}});
}

void AikForm::Design() {
    SetCaption("LEVEL DONE !");
    SetBackColour(0);
    Command1.SetPicture(ButtonPicture("continue"));
    Command2.SetPicture(ButtonPicture("exit"));
    Picture1.SetPicture(ButtonHoverPicture("exit"));
    Picture2.SetPicture(ButtonPicture("exit"));
    Picture3.SetPicture(ButtonHoverPicture("continue"));
    Picture4.SetPicture(ButtonPicture("continue"));
}

void AikForm::Form_Load() {
    CentreOnScreen();
    PlayGameSound("\\muz\\silence.wav");
}

void AikForm::Control_Click(platform::Control& control) {
    if (&control == &Command1)
        Command1_Click();
    else if (&control == &Command2)
        Command2_Click();
}

void AikForm::Command1_Click() {
    Unload();
    StartNextLevel();
}

void AikForm::Command2_Click() {
    ExitGame();
}

AikForm& aik() {
    static AikForm form;
    return form;
}

}  // namespace game
