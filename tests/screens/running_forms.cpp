#include "screens/running_forms.hpp"

#include "assets/frm_pics.hpp"
#include "platform/forms/app.hpp"
#include "screens/about.hpp"
#include "screens/aik.hpp"
#include "screens/intro.hpp"
#include "screens/izvelne.hpp"
#include "screens/lose.hpp"
#include "screens/options.hpp"
#include "screens/win.hpp"
#include "world/frm_main.hpp"

namespace screentest {
namespace {

// Every form of the game; each registers itself with the application when first asked for.
std::vector<platform::Form*> AllForms() {
    return {&game::intro(), &game::izvelne(), &game::options(), &game::about(),  &game::FrmMain(),
            &game::aik(),   &game::win(),     &game::lose(),    &game::FrmPics()};
}

}  // namespace

void RunningForms::SetUp() {
    InProcessGame::SetUp();
    AllForms();
}

void RunningForms::TearDown() {
    for (platform::Form* f : AllForms()) f->Unload();
    InProcessGame::TearDown();
}

platform::Form& RunningForms::Loaded(const std::string& name) {
    platform::Form* form = platform::App::Get().FindForm(name);
    if (!form)
        throw std::runtime_error("no form " + name);
    form->Load();
    return *form;
}

platform::Form& RunningForms::Shown(const std::string& name) {
    platform::Form& form = Loaded(name);
    form.Show();
    return form;
}

void RunningForms::MoveMouse(platform::Form& form, platform::Control* control) {
    platform::App& app = platform::App::Get();
    app.Post({platform::InputEvent::Kind::kMouseMove, &form, control});
    app.DoEvents();
}

}  // namespace screentest
