// The screens that follow play. Each hands itself over as it is made, so that the combat rules
// open them without knowing how they are built, and a screen that does not exist yet is not
// opened.
#pragma once

namespace platform {
class Form;
}

namespace game {

void LinkBetweenLevels(platform::Form& screen);  // aik
void LinkVictory(platform::Form& screen);        // win
void LinkDefeat(platform::Form& screen);         // lose

void OpenBetweenLevels();
void OpenVictory();
void OpenDefeat();

}  // namespace game
