#include "screens/izvelne.hpp"

#include "assets/game_pictures.hpp"
#include "platform/forms/app.hpp"
#include "screens/about.hpp"
#include "screens/game_start.hpp"
#include "screens/options.hpp"
#include "screens/screen_common.hpp"
#include "world/game_data.hpp"

namespace game {

IzvelneForm::IzvelneForm()
    : HoverScreen("izvelne", 794, 575, platform::BorderStyle::kFixedSingle),
      Command1(*this, "Command1", 312, 120, 169, 97),
      Command2(*this, "Command2", 312, 232, 169, 97),
      Command4(*this, "Command4", 312, 344, 169, 97),
      Command3(*this, "Command3", 312, 456, 169, 97),
      Picture1(*this, "Picture1", 544, 144, 145, 73, kImageHolder),
      Picture2(*this, "Picture2", 536, 256, 145, 81, kImageHolder),
      Picture3(*this, "Picture3", 536, 376, 121, 65, kImageHolder),
      Picture4(*this, "Picture4", 64, 136, 105, 73, kImageHolder),
      Picture5(*this, "Picture5", 56, 256, 113, 81, kImageHolder),
      Picture6(*this, "Picture6", 72, 376, 97, 73, kImageHolder),
      Picture7(*this, "Picture7", 72, 480, 89, 49, kImageHolder),
      Picture8(*this, "Picture8", 560, 472, 97, 89, kImageHolder) {
    SetHoverFamily({{Command1, Picture1, Picture4},
                    {Command2, Picture2, Picture5},
                    {Command3, Picture3, Picture6},
                    {Command4, Picture8, Picture7}});
}

void IzvelneForm::Design() {
    SetCaption("Menu");
    SetBackColour(0);
    SetBackgroundPicture(GamePicture("menu.png"));
    Command1.SetPicture(ButtonPicture("start"));
    Command2.SetPicture(ButtonPicture("options"));
    Command4.SetPicture(ButtonPicture("about"));
    Command3.SetPicture(ButtonPicture("exit"));
    Picture1.SetPicture(ButtonHoverPicture("start"));
    Picture2.SetPicture(ButtonHoverPicture("options"));
    Picture3.SetPicture(ButtonHoverPicture("exit"));
    Picture4.SetPicture(ButtonPicture("start"));
    Picture5.SetPicture(ButtonPicture("options"));
    Picture6.SetPicture(ButtonPicture("exit"));
    Picture7.SetPicture(ButtonPicture("about"));
    Picture8.SetPicture(ButtonHoverPicture("about"));
}

void IzvelneForm::Form_Load() {
    CentreOnScreen();
    PlayGameSound("\\muz\\menu.wav");
    GameData::SoundOption = 1;
}

void IzvelneForm::Control_Click(platform::Control& control) {
    if (&control == &Command1)
        Command1_Click();
    else if (&control == &Command2)
        Command2_Click();
    else if (&control == &Command3)
        Command3_Click();
    else if (&control == &Command4)
        Command4_Click();
}

void IzvelneForm::Command1_Click() {
    Unload();
    StartLevel(Levels().front());
}

void IzvelneForm::Command2_Click() {
    options().Show();
}

void IzvelneForm::Command3_Click() {
    ExitGame();
}

void IzvelneForm::Command4_Click() {
    about().Show();
}

IzvelneForm& izvelne() {
    static IzvelneForm form;
    return form;
}

}  // namespace game
