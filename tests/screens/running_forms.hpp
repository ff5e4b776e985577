// The game's forms running in this process (headless, a temporary application folder), for
// tests that read them or drive them with the mouse; every form is unloaded afterwards.
#pragma once
#include <string>

#include "platform/forms/control.hpp"
#include "platform/forms/form.hpp"
#include "support/in_process_game.hpp"

namespace screentest {

class RunningForms : public leveltest::InProcessGame {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The form of that name, loaded (its load handler has run).
    static platform::Form& Loaded(const std::string& name);
    // The same, shown, so that it takes the mouse.
    static platform::Form& Shown(const std::string& name);
    // What the `move FORM [CONTROL]` script command does: the mouse-move event is posted and
    // the pending events run. A null control is the bare form.
    static void MoveMouse(platform::Form& form, platform::Control* control);
};

}  // namespace screentest
