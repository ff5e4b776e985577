#include "screens/end_screen.hpp"

namespace game {

void EndScreen::Control_Click(platform::Control& control) {
    if (&control == command1_)
        Command1_Click();
    else if (&control == command2_)
        Command2_Click();
}

}  // namespace game
