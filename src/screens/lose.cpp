#include "screens/lose.hpp"

#include "combat/screen_links.hpp"
#include "screens/screen_common.hpp"
#include "world/game_data.hpp"

namespace game {

LoseForm::LoseForm()
    : HoverScreen("lose", 794, 575, platform::BorderStyle::kFixedSingle),
      Label1(*this, "Label1", 240, 56, 329, 105, kEndScreenText),
      Command1(*this, "Command1", 312, 184, 177, 89),
      Command2(*this, "Command2", 312, 296, 177, 89),
      Picture1(*this, "Picture1", 112, 120, 57, 57, kImageHolder),
      Picture2(*this, "Picture2", 120, 272, 97, 73, kImageHolder),
      Picture3(*this, "Picture3", 616, 144, 73, 41, kImageHolder),
      Picture4(*this, "Picture4", 640, 312, 49, 49, kImageHolder) {
    LinkDefeat(*this);
    SetHoverFamily({{Command1, Picture1, Picture2}, {Command2, Picture3, Picture4}});
    // Escape goes back to the menu, never out of the game.
    SetCancelButton(&Command1);
}

void LoseForm::Design() {
    SetCaption("GAME OVER");
    SetBackColour(0);
    Label1.SetCaption("You LOSE !");
    Command1.SetPicture(ButtonPicture("menu"));
    Command2.SetPicture(ButtonPicture("exit"));
    Picture1.SetPicture(ButtonHoverPicture("menu"));
    Picture2.SetPicture(ButtonPicture("menu"));
    Picture3.SetPicture(ButtonHoverPicture("exit"));
    Picture4.SetPicture(ButtonPicture("exit"));
}

void LoseForm::Form_Load() {
    CentreOnScreen();
    // The defeat jingle counts as level music: silent when the option is off.
    if (GameData::SoundOption == 1)
        PlayGameSound("\\muz\\game_over.wav");
}

void LoseForm::Control_Click(platform::Control& control) {
    if (&control == &Command1)
        Command1_Click();
    else if (&control == &Command2)
        Command2_Click();
}

void LoseForm::Command1_Click() {
    ReturnToMenu(*this);
}

void LoseForm::Command2_Click() {
    ExitGame();
}

LoseForm& lose() {
    static LoseForm form;
    return form;
}

}  // namespace game
