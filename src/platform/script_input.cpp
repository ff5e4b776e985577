#include "platform/script_input.hpp"

#include <iostream>

#include "platform/app.hpp"
#include "platform/form.hpp"
#include "platform/picture_file.hpp"
#include "platform/runner.hpp"

namespace platform {

std::string KeyNameOf(int keyCode) {
    // The names KeyCodeOf reads.
    switch (keyCode) {
        case kKeyLeft:
            return "Left";
        case kKeyRight:
            return "Right";
        case kKeyUp:
            return "Up";
        case kKeyDown:
            return "Down";
        case kKeySpace:
            return "Space";
        case kKeyCtrl:
            return "Ctrl";
        case kKeyEscape:
            return "Escape";
        default:
            return {};
    }
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
            const std::string key = KeyNameOf(e.keyCode);
            if (key.empty())
                return {};
            return (e.kind == Kind::kKeyDown ? "keydown " : "keyup ") + key;
        }
        case Kind::kClick:
            // The game acts on clicks on controls only.
            return e.form && e.control ? "click " + Target(e) : std::string();
        case Kind::kMouseMove:
            return e.form ? "move " + Target(e) : std::string();
        case Kind::kClose:
            return e.form ? "close " + e.form->name() : std::string();
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
            return {InputEvent::Kind::kKeyDown, nullptr, nullptr, c.keyCode};
        case Kind::kKeyUp:
            return {InputEvent::Kind::kKeyUp, nullptr, nullptr, c.keyCode};
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
        picture = form->Client();
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
