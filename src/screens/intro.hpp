// The intro: a borderless black window that shows the logo after 2 s, the title after 7 s and
// opens the menu after 10 s. It takes no input and plays no sound.
#pragma once
#include "platform/forms/form.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/timer.hpp"

namespace game {

class IntroForm : public platform::Form {
  public:
    IntroForm();

    platform::PictureBox tebrix, soldier;
    platform::Timer Timer1, Timer2, Timer3;

  protected:
    void Design() override;
    void Form_Load() override;

  private:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
};

IntroForm& intro();

}  // namespace game
