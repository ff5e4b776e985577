#include "combat/screen_links.hpp"

#include "platform/forms/form.hpp"

namespace game {
namespace {

platform::Form* g_betweenLevels = nullptr;
platform::Form* g_victory = nullptr;
platform::Form* g_defeat = nullptr;

// Loads and shows the screen without making it modal.
void OpenScreen(platform::Form* form) {
    if (form) {
        form->Load();
        form->Show();
    }
}

}  // namespace

void LinkBetweenLevels(platform::Form& screen) {
    g_betweenLevels = &screen;
}

void LinkVictory(platform::Form& screen) {
    g_victory = &screen;
}

void LinkDefeat(platform::Form& screen) {
    g_defeat = &screen;
}

void OpenBetweenLevels() {
    OpenScreen(g_betweenLevels);
}

void OpenVictory() {
    OpenScreen(g_victory);
}

void OpenDefeat() {
    OpenScreen(g_defeat);
}

}  // namespace game
