#include "support/play_world.hpp"
#include "support/build_paths.hpp"

#include <memory>

#include "assets/frm_pics.hpp"
#include "platform/core/app_folder.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/forms/headless_frontend.hpp"
#include "screens/startup.hpp"
#include "world/game_window.hpp"

namespace combattest {
namespace {

using namespace game::GameData;

void UnloadEveryForm() {
    for (platform::Form* f : platform::App::Get().forms())
        if (f->loaded())
            f->Unload();
}

}  // namespace

void PlayWorld::SetUp() {
    static const bool formsCreated = [] {
        platform::App::Get().SetFrontend(std::make_unique<platform::HeadlessFrontend>());
        platform::SetAppFolder(DUNSPELT_APP_DIR);
        game::CreateAllForms();
        return true;
    }();
    (void)formsCreated;
    UnloadEveryForm();
    ResetAll();
    game::FrmPics().Load();
    game::FrmMain().Load();
    game::FrmMain().level.SetCaption("1");
    game::FrmMain().GameTimer.SetEnabled(true);
    game::FrmMain().Show();
    Actors.Redim(4);
    Player() = {.X = 100, .Y = 300, .Alive = -1, .Width = 46, .Height = 65};
    for (int k = 1; k <= 3; ++k)
        Enemy(k) = {.X = 20000 + 1000 * k, .Y = 300, .Alive = -1, .Width = 63, .Height = 64};
    FreeGrid(12000, 600);
}

void PlayWorld::TearDown() {
    UnloadEveryForm();
    ResetAll();
}

void PlayWorld::FreeGrid(int width, int height) {
    GridWidth = platform::ToI16(width);
    GridHeight = platform::ToI16(height);
    SolidGrid.assign(size_t(width) * size_t(height), 0);
}

void PlayWorld::SetSolid(int x, int y, int w, int h) {
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col) SolidGrid[size_t(col) + size_t(row) * GridWidth] = -1;
}

void PlayWorld::SetLevel(const std::string& number) {
    game::FrmMain().level.SetCaption(number);
}

std::string PlayWorld::HpCaption() {
    return game::FrmMain().HP.captionText();
}

std::string PlayWorld::ScoreCaption() {
    return game::FrmMain().score.captionText();
}

bool PlayWorld::Loaded(const std::string& form) {
    platform::Form* f = platform::App::Get().FindForm(form);
    return f && f->loaded();
}

bool PlayWorld::Visible(const std::string& form) {
    platform::Form* f = platform::App::Get().FindForm(form);
    return f && f->visible();
}

bool PlayWorld::TimerEnabled() {
    return game::FrmMain().GameTimer.enabledNow();
}

}  // namespace combattest
