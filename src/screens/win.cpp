#include "screens/win.hpp"

#include <string>

#include "combat/screen_links.hpp"
#include "screens/screen_common.hpp"
#include "world/game_data.hpp"

namespace game {

WinForm::WinForm()
    : HoverScreen("win", 794, 575, platform::BorderStyle::kFixedSingle),
      Label1(*this, "Label1", 112, 80, 641, 129, kEndScreenText),
      Label2(*this, "Label2", 240, 352, 201, 73, kEndScreenText),
      pointi(*this, "pointi", 464, 352, 225, 81, kEndScreenText),
      Command1(*this, "Command1", 424, 224, 177, 73),
      Command2(*this, "Command2", 216, 224, 177, 73),
      Picture1(*this, "Picture1", 56, 176, 73, 57, kImageHolder),
      Picture2(*this, "Picture2", 48, 264, 73, 57, kImageHolder),
      Picture3(*this, "Picture3", 672, 176, 89, 65, kImageHolder),
      Picture4(*this, "Picture4", 672, 280, 89, 73, kImageHolder) {
    LinkVictory(*this);
    SetHoverFamily({{Command2, Picture1, Picture2}, {Command1, Picture3, Picture4}});
    // Escape goes back to the menu, never out of the game.
    SetCancelButton(&Command1);
}

void WinForm::Design() {
    SetCaption("DEMO Compleated !!!");
    SetBackColour(0);
    Label1.SetCaption("DEMO COMPLEATED");
    Label2.SetCaption("Score");
    pointi.SetCaption("pointi");
    Command1.SetPicture(ButtonPicture("menu"));
    Command2.SetPicture(ButtonPicture("exit"));
    Picture1.SetPicture(ButtonHoverPicture("exit"));
    Picture2.SetPicture(ButtonPicture("exit"));
    Picture3.SetPicture(ButtonHoverPicture("menu"));
    Picture4.SetPicture(ButtonPicture("menu"));
}

void WinForm::Form_Load() {
    CentreOnScreen();
    // The victory music plays whether or not the level music is switched off.
    PlayGameSound("\\muz\\win.wav");
    pointi.SetCaption(std::to_string(GameData::Score));
}

void WinForm::Control_Click(platform::Control& control) {
    if (&control == &Command1)
        Command1_Click();
    else if (&control == &Command2)
        Command2_Click();
}

void WinForm::Command1_Click() {
    ReturnToMenu(*this);
}

void WinForm::Command2_Click() {
    ExitGame();
}

WinForm& win() {
    static WinForm form;
    return form;
}

}  // namespace game
