#include "screens/about.hpp"

#include "screens/screen_common.hpp"

namespace game {
namespace {

// White text on black in the plain interface font at its default size.
constexpr platform::LabelStyle kAboutText{
    .font = {platform::FontFace::kUi, 8, false}, .foreColour = 0xFFFFFF, .backColour = 0x000000};

}  // namespace

AboutForm::AboutForm()
    : HoverScreen("about", 545, 538, platform::BorderStyle::kFixedSingle),
      Label2(*this, "Label2", 40, 24, 457, 33, kAboutText),
      Label11(*this, "Label11", 40, 64, 433, 17, kAboutText),
      Label3(*this, "Label3", 40, 96, 457, 25, kAboutText),
      Label4(*this, "Label4", 40, 120, 457, 25, kAboutText),
      Label5(*this, "Label5", 40, 144, 457, 25, kAboutText),
      Label1(*this, "Label1", 40, 192, 457, 25, kAboutText),
      Label7(*this, "Label7", 72, 216, 297, 25, kAboutText),
      Label6(*this, "Label6", 72, 240, 433, 25, kAboutText),
      Label8(*this, "Label8", 72, 264, 297, 25, kAboutText),
      Label10(*this, "Label10", 216, 312, 153, 33, kAboutText),
      Label9(*this, "Label9", 248, 360, 73, 33, kAboutText),
      Command1(*this, "Command1", 176, 424, 169, 89),
      Picture1(*this, "Picture1", 48, 440, 57, 49, kImageHolder),
      Picture2(*this, "Picture2", 408, 440, 73, 49, kImageHolder) {
    SetHoverFamily({{Command1, Picture2, Picture1}});
    SetCancelButton(&Command1);
}

void AboutForm::Design() {
    SetCaption("About");
    SetBackColour(0);
    Label2.SetCaption(
        "DUNSPELT is a 2D shooting game, the objective of the game is to compeat all levels "
        "and eliminate all enemys.");
    Label11.SetCaption(
        "Game controls: Arrow keys Left and Right to move, Space to jump and Control to fire");
    Label3.SetCaption("Code: the DUNSPELT team");
    Label4.SetCaption("Art: the DUNSPELT team");
    Label5.SetCaption("Idea: the DUNSPELT team");
    // The four tracks are synthesised from the team's own scores at build time.
    Label1.SetCaption("Music: \"Marsh Lights\" (level 1)");
    Label7.SetCaption("\"Echoes Below\" (level 2)");
    Label6.SetCaption("\"Dunspelt Waltz\" (menu)");
    Label8.SetCaption("\"Brass at Dawn\" (victory)");
    Label10.SetCaption("MADE IN LATVIA");
    Label9.SetCaption("2007");
    Command1.SetPicture(ButtonPicture("back"));
    Picture1.SetPicture(ButtonPicture("back"));
    Picture2.SetPicture(ButtonHoverPicture("back"));
}

void AboutForm::Form_Load() {
    CentreOnScreen();
}

void AboutForm::Control_Click(platform::Control& control) {
    if (&control == &Command1)
        Command1_Click();
}

void AboutForm::Command1_Click() {
    Unload();
}

AboutForm& about() {
    static AboutForm form;
    return form;
}

}  // namespace game
