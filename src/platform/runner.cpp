#include "platform/runner.hpp"

#include <cstdio>
#include <fstream>
#include <iostream>

#include "platform/app.hpp"
#include "platform/form.hpp"
#include "platform/game_settings.hpp"
#include "platform/headless_frontend.hpp"
#include "platform/input_settings.hpp"
#include "platform/picture_file.hpp"
#include "platform/runtime_error.hpp"
#include "platform/script.hpp"

namespace platform {

Surface ComposeScreen() {
    App& app = App::Get();
    Surface screen(app.ScreenWidth(), app.ScreenHeight(), 0);
    for (Form* f : app.zOrder()) {
        const Surface& client = app.ScreenPicture(*f);
        BitBlt(screen, f->ClientLeft(), f->ClientTop(), client.width(), client.height(), client, 0,
               0, Rop::kSrcCopy);
    }
    return screen;
}

namespace {

void EndIfNoFormLoaded(App& app) {
    if (!app.AnyFormLoaded())
        app.EndProcess(0);
}

void RunWindowed(App& app) {
    for (;;) {
        app.DoEvents();
        EndIfNoFormLoaded(app);
        const int64_t before = app.NowMicros();
        app.frontend().Present(app);
        app.stats().RecordPresent(app.NowMicros() - before);
        app.frontend().WaitUntil(app, app.NextTimerDue());
    }
}

void AdvanceClock(App& app, VirtualClock& clock, int64_t targetMicros) {
    for (;;) {
        int64_t due = app.NextTimerDue();
        if (due < 0 || due > targetMicros)
            break;
        clock.Set(std::max(due, clock.NowMicros()));
        app.DoEvents();
        EndIfNoFormLoaded(app);
    }
    clock.Set(targetMicros);
}

void TakeScreenshot(App& app, const ScriptCommand& c) {
    Surface picture;
    if (c.form.empty()) {
        picture = ComposeScreen();
    } else {
        Form* form = app.FindForm(c.form);
        picture = app.ScreenPicture(*form);
    }
    if (!SavePng(picture, c.file))
        std::cerr << "dunspelt: cannot write screenshot " << c.file << "\n";
}

void RunScript(App& app, VirtualClock& clock, const std::vector<ScriptCommand>& commands) {
    using Kind = ScriptCommand::Kind;
    for (const ScriptCommand& c : commands) {
        InputEvent e{InputEvent::Kind::kKeyDown};
        switch (c.kind) {
            case Kind::kWait:
                AdvanceClock(app, clock, clock.NowMicros() + c.ms * 1000);
                continue;
            case Kind::kScreenshot:
                TakeScreenshot(app, c);
                continue;
            case Kind::kKeyDown:
            case Kind::kKeyUp:
                e.kind = c.kind == Kind::kKeyDown ? InputEvent::Kind::kKeyDown
                                                  : InputEvent::Kind::kKeyUp;
                e.key = c.key;
                e.repeat = c.repeat;
                break;
            case Kind::kFocus:
                e.kind = InputEvent::Kind::kFocusGained;
                e.form = app.FindForm(c.form);
                break;
            case Kind::kBlur:
                e.kind = InputEvent::Kind::kFocusLost;
                e.form = c.form.empty() ? nullptr : app.FindForm(c.form);
                break;
            case Kind::kPadAdd:
            case Kind::kPadRemove:
                e.kind = c.kind == Kind::kPadAdd ? InputEvent::Kind::kPadAdded
                                                 : InputEvent::Kind::kPadRemoved;
                e.pad = c.pad;
                break;
            case Kind::kPadButton:
                e.kind = c.down ? InputEvent::Kind::kPadButtonDown : InputEvent::Kind::kPadButtonUp;
                e.pad = c.pad;
                e.button = c.button;
                break;
            case Kind::kPadAxis:
                e.kind = InputEvent::Kind::kPadAxis;
                e.pad = c.pad;
                e.axis = c.axis;
                e.value = c.value;
                break;
            case Kind::kClick:
            case Kind::kMove:
            case Kind::kClose: {
                Form* form = app.FindForm(c.form);
                e.form = form;
                e.control = c.control.empty() ? nullptr : form->FindControl(c.control);
                e.kind = c.kind == Kind::kClick  ? InputEvent::Kind::kClick
                         : c.kind == Kind::kMove ? InputEvent::Kind::kMouseMove
                                                 : InputEvent::Kind::kClose;
                break;
            }
        }
        app.Post(e);
        app.DoEvents();
        EndIfNoFormLoaded(app);
    }
    app.EndProcess(0);
}

void ReportError(App& app, const RuntimeError& e) {
    const std::string text = FormatRuntimeError(e);
    std::cerr << "dunspelt: " << text << "\n";
    JsonObject o;
    o.Field("event", "error")
        .Field("number", int64_t(e.number()))
        .Field("description", e.description());
    app.tracer().Write(app.NowMs(), o.Str());
    app.frontend().ShowMessage("DUNSPELT", text);
}

}  // namespace

int RunApplication(const RunOptions& options, const std::function<void()>& start) {
    App& app = App::Get();
    app.SetPath(options.appDir);
    if (options.stats)
        app.stats().Enable();
    std::vector<ScriptCommand> script;
    VirtualClock* virtualClock = nullptr;
    if (options.headless) {
        app.SetFrontend(std::make_unique<HeadlessFrontend>());
        auto clock = std::make_unique<VirtualClock>();
        virtualClock = clock.get();
        app.SetClock(std::move(clock));
        if (!options.script.empty()) {
            std::ifstream in(options.script);
            if (!in) {
                std::cerr << "dunspelt: cannot read script " << options.script << "\n";
                return 2;
            }
            try {
                script = ParseScript(in, [&](const std::string& form, const std::string& control) {
                    Form* f = app.FindForm(form);
                    return f && (control.empty() || f->FindControl(control));
                });
            } catch (const ScriptError& e) {
                std::cerr << "dunspelt: " << options.script << ": " << e.what() << "\n";
                return 2;
            }
        }
    } else {
        std::string why;
        auto frontend = CreateWindowedFrontend(why);
        if (!frontend) {
            std::cerr << "dunspelt: no display available (" << why
                      << "); use --headless to run without one\n";
            return 1;
        }
        app.SetFrontend(std::move(frontend));
        app.SetClock(std::make_unique<RealClock>());
    }
    ApplyInputSettings(app, GameSettings(),
                       [](const std::string& text) { std::cerr << "dunspelt: " << text << "\n"; });
    if (!options.trace.empty() && !app.tracer().Open(options.trace)) {
        std::cerr << "dunspelt: cannot write trace " << options.trace << "\n";
        return 2;
    }
    int status = 0;
    try {
        start();
        EndIfNoFormLoaded(app);
        if (options.headless)
            RunScript(app, *virtualClock, script);
        else
            RunWindowed(app);
    } catch (const ProcessExit& e) {
        status = e.status;
    } catch (const RuntimeError& e) {
        ReportError(app, e);
        status = 1;
    }
    app.TraceEvent("end");
    app.tracer().Flush();
    if (options.stats)
        std::cerr << "dunspelt: " << app.stats().Summary() << "\n";
    return status;
}

}  // namespace platform
