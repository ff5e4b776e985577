#include "platform/run/script_input.hpp"

#include <iostream>

#include "platform/core/picture_file.hpp"
#include "platform/display/screen_picture.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/input/key_names.hpp"

namespace platform {

std::string KeyNameOf(int key) {
    // The names ScriptKeyOf reads: SDL's own, and the left Ctrl as the first scripts wrote it.
    if (key == kPhysLeftCtrl)
        return "Ctrl";
    return NameOfKey(key);
}

namespace {

std::string Target(const InputEvent& e) {
    std::string out = e.form ? e.form->name() : std::string();
    if (e.control)
        out += " " + e.control->name();
    return out;
}

}  // namespace

std::string ScriptLineOf(const InputEvent& e) {
    using Kind = InputEvent::Kind;
    switch (e.kind) {
        case Kind::kKeyDown:
        case Kind::kKeyUp: {
            const std::string key = KeyNameOf(e.key);
            if (key.empty())
                return {};
            if (e.kind == Kind::kKeyDown)
                return (e.repeat ? "keyrepeat " : "keydown ") + key;
            return "keyup " + key;
        }
        case Kind::kClick:
            // The game acts on clicks on controls only.
            return e.form && e.control ? "click " + Target(e) : std::string();
        case Kind::kMouseMove:
            return e.form ? "move " + Target(e) : std::string();
        case Kind::kClose:
            return e.form ? "close " + e.form->name() : std::string();
        case Kind::kPadAdded:
            return "pad add " + std::to_string(e.pad);
        case Kind::kPadRemoved:
            return "pad remove " + std::to_string(e.pad);
        case Kind::kPadButtonDown:
        case Kind::kPadButtonUp:
            if (int(e.button) < 0 || e.button >= PadButton::kCount)
                return {};
            return std::string("pad ") + PadButtonName(e.button) +
                   (e.kind == Kind::kPadButtonDown ? " down " : " up ") + std::to_string(e.pad);
        case Kind::kPadAxis:
            if (int(e.axis) < 0 || e.axis >= PadAxis::kCount)
                return {};
            return std::string("pad axis ") + PadAxisName(e.axis) + " " + std::to_string(e.value) +
                   " " + std::to_string(e.pad);
        case Kind::kFocusGained:
            return e.form ? "focus " + e.form->name() : std::string();
        case Kind::kFocusLost:
            return e.form ? "blur " + e.form->name() : std::string("blur");
    }
    return {};
}

bool IsInputCommand(const ScriptCommand& c) {
    return c.kind != ScriptCommand::Kind::kWait && c.kind != ScriptCommand::Kind::kScreenshot;
}

InputEvent InputOf(const App& app, const ScriptCommand& c) {
    using Kind = ScriptCommand::Kind;
    switch (c.kind) {
        case Kind::kKeyDown:
        case Kind::kKeyUp: {
            InputEvent e{c.kind == Kind::kKeyDown ? InputEvent::Kind::kKeyDown
                                                  : InputEvent::Kind::kKeyUp};
            e.key = c.key;
            e.repeat = c.repeat;
            return e;
        }
        case Kind::kFocus:
            return {InputEvent::Kind::kFocusGained, app.FindForm(c.form)};
        case Kind::kBlur:
            return {InputEvent::Kind::kFocusLost, c.form.empty() ? nullptr : app.FindForm(c.form)};
        case Kind::kPadAdd:
        case Kind::kPadRemove:
        case Kind::kPadButton:
        case Kind::kPadAxis: {
            InputEvent e{c.kind == Kind::kPadAdd      ? InputEvent::Kind::kPadAdded
                         : c.kind == Kind::kPadRemove ? InputEvent::Kind::kPadRemoved
                         : c.kind == Kind::kPadAxis   ? InputEvent::Kind::kPadAxis
                         : c.down                     ? InputEvent::Kind::kPadButtonDown
                                                      : InputEvent::Kind::kPadButtonUp};
            e.pad = c.pad;
            e.button = c.button;
            e.axis = c.axis;
            e.value = c.value;
            return e;
        }
        case Kind::kClick:
        case Kind::kMove:
        case Kind::kClose: {
            Form* form = app.FindForm(c.form);
            Control* control = c.control.empty() ? nullptr : form->FindControl(c.control);
            const auto kind = c.kind == Kind::kClick  ? InputEvent::Kind::kClick
                              : c.kind == Kind::kMove ? InputEvent::Kind::kMouseMove
                                                      : InputEvent::Kind::kClose;
            return {kind, form, control, 0};
        }
        case Kind::kWait:
        case Kind::kScreenshot:
            break;
    }
    return {InputEvent::Kind::kKeyDown};
}

namespace {

void TakeScreenshot(App& app, const ScriptCommand& c) {
    Surface picture;
    if (c.form.empty()) {
        picture = ComposeScreen();
    } else {
        Form* form = app.FindForm(c.form);
        picture = ScreenPicture(app, *form);
    }
    if (!SavePng(picture, c.file))
        std::cerr << "dunspelt: cannot write screenshot " << c.file << "\n";
}

std::string Diverged(const InputEvent& e) {
    if (e.kind == InputEvent::Kind::kKeyDown || e.kind == InputEvent::Kind::kKeyUp)
        return "the game went another way than recorded: no window takes keys";
    return "the game went another way than recorded: form '" + e.form->name() +
           "' is not on screen";
}

}  // namespace

void PlayCommand(App& app, const ScriptCommand& c, bool strict) {
    if (c.kind == ScriptCommand::Kind::kScreenshot) {
        TakeScreenshot(app, c);
        return;
    }
    const InputEvent e = InputOf(app, c);
    if (c.duringSetup) {
        app.PostDuringSetup(e);
        return;
    }
    if (strict && !app.ActsOn(e))
        throw ScriptError(c.line, Diverged(e));
    app.Post(e);
    app.DoEvents();
}

}  // namespace platform
