#include "screens/options.hpp"

#include "assets/game_pictures.hpp"
#include "screens/izvelne.hpp"
#include "screens/screen_common.hpp"
#include "world/game_data.hpp"

namespace game {

OptionsForm::OptionsForm()
    : HoverScreen("options", 464, 326, platform::BorderStyle::kFixedSingle),
      Command1(*this, "Command1", 56, 96, 169, 89),
      Command3(*this, "Command3", 232, 96, 169, 89),
      Command2(*this, "Command2", 144, 200, 169, 89),
      Picture1(*this, "Picture1", 16, 256, 97, 49, kImageHolder),
      Picture2(*this, "Picture2", 352, 224, 81, 33, kImageHolder),
      Picture3(*this, "Picture3", 344, 288, 81, 33, kImageHolder),
      Picture4(*this, "Picture4", 8, 16, 81, 33, kImageHolder),
      Picture5(*this, "Picture5", 352, 8, 81, 33, kImageHolder),
      Picture6(*this, "Picture6", 184, 56, 81, 33, kImageHolder) {
    SetHoverFamily({{Command1, Picture1, Picture4},
                    {Command3, Picture2, Picture5},
                    {Command2, Picture3, Picture6}});
    // Escape, like the back button.
    SetCancelButton(&Command2);
}

void OptionsForm::Design() {
    SetCaption("OPTIONS");
    SetBackColour(0);
    SetBackgroundPicture(GamePicture("options.png"));
    Command1.SetPicture(ButtonPicture("on"));
    Command3.SetPicture(ButtonPicture("off"));
    Command2.SetPicture(ButtonPicture("back"));
    Picture1.SetPicture(ButtonHoverPicture("on"));
    Picture2.SetPicture(ButtonHoverPicture("off"));
    Picture3.SetPicture(ButtonHoverPicture("back"));
    Picture4.SetPicture(ButtonPicture("on"));
    Picture5.SetPicture(ButtonPicture("off"));
    Picture6.SetPicture(ButtonPicture("back"));
    // Both choices are open each time the screen loads, whatever the option holds.
    Command1.SetEnabled(true);
    Command3.SetEnabled(true);
}

void OptionsForm::Form_Load() {
    CentreOnScreen();
}

void OptionsForm::Control_Click(platform::Control& control) {
    if (&control == &Command1)
        Command1_Click();
    else if (&control == &Command2)
        Command2_Click();
    else if (&control == &Command3)
        Command3_Click();
}

void OptionsForm::Command1_Click() {
    GameData::SoundOption = 1;
    Command1.SetEnabled(false);
    Command3.SetEnabled(true);
}

void OptionsForm::Command3_Click() {
    GameData::SoundOption = 0;
    Command3.SetEnabled(false);
    Command1.SetEnabled(true);
}

void OptionsForm::Command2_Click() {
    Unload();
    izvelne().Show();
}

OptionsForm& options() {
    static OptionsForm form;
    return form;
}

}  // namespace game
