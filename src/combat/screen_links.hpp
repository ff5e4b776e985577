// Opening the screens that follow play, found by name so the combat rules do not depend on
// how the screens are built.
#pragma once

namespace game {

void OpenBetweenLevels();  // aik
void OpenVictory();        // win
void OpenDefeat();         // lose

}  // namespace game
