// Where the application sends keys, pads and focus changes: the input part's router. The forms
// toolkit knows it only through this interface, so that it need not know bindings, pads or
// pause; the router is made by the input part (CreateInputRouter in input/input_router.cpp).
#pragma once
#include <memory>

#include "platform/forms/input_event.hpp"

namespace platform {

class App;
class Form;

class InputSink {
  public:
    virtual ~InputSink() = default;
    // Keys, pads and focus changes.
    virtual void Route(App& app, const InputEvent& event) = 0;
    // A click in the paused play window resumes play (and does nothing else); true if so.
    virtual bool ClickResumes(App& app, const InputEvent& event) = 0;
    // A form has just come to the front and takes the keys from now on.
    virtual void FormTookKeys(App& app, Form& form) = 0;
    // Whether `form` is the play window held by pause: the screen shows it under the overlay.
    virtual bool ShowsPaused(const Form& form) const = 0;
};

std::unique_ptr<InputSink> CreateInputRouter();

}  // namespace platform
