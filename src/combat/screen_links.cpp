#include "combat/screen_links.hpp"

#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"

namespace game {
namespace {

// Loads and shows the screen without making it modal.
void OpenScreen(const char* name) {
    if (platform::Form* form = platform::App::Get().FindForm(name)) {
        form->Load();
        form->Show();
    }
}

}  // namespace

void OpenBetweenLevels() {
    OpenScreen("aik");
}

void OpenVictory() {
    OpenScreen("win");
}

void OpenDefeat() {
    OpenScreen("lose");
}

}  // namespace game
