#include "screens/intro.hpp"

#include "assets/game_pictures.hpp"
#include "screens/izvelne.hpp"
#include "screens/screen_common.hpp"

namespace game {

IntroForm::IntroForm()
    : Form("intro", 800, 600, platform::BorderStyle::kNone),
      tebrix(*this, "tebrix", 8, 128, 57, 41, kImageHolder),
      soldier(*this, "soldier", 8, 56, 41, 33, kImageHolder),
      Timer1(*this, "Timer1", 2000, [this] { Timer1_Timer(); }),
      Timer2(*this, "Timer2", 5000, [this] { Timer2_Timer(); }),
      Timer3(*this, "Timer3", 3000, [this] { Timer3_Timer(); }) {}

void IntroForm::Design() {
    SetCaption("video");
    SetBackColour(0);
    tebrix.SetPicture(GamePicture("logo.bmp"));
    soldier.SetPicture(GamePicture("title.bmp"));
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    Timer3.SetEnabled(false);
}

void IntroForm::Form_Load() {
    CentreOnScreen();
    Timer1.SetEnabled(true);
}

// Each timer stops itself before starting the next, so each fires once.
void IntroForm::Timer1_Timer() {
    SetBackgroundPicture(tebrix.Picture());
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(true);
}

void IntroForm::Timer2_Timer() {
    SetBackgroundPicture(soldier.Picture());
    Timer2.SetEnabled(false);
    Timer3.SetEnabled(true);
}

void IntroForm::Timer3_Timer() {
    Unload();
    izvelne().Show();
}

IntroForm& intro() {
    static IntroForm form;
    return form;
}

}  // namespace game
