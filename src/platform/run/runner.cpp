#include "platform/run/runner.hpp"
#include "platform/core/app_folder.hpp"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>

#include "platform/core/picture_file.hpp"
#include "platform/core/runtime_error.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/forms/headless_frontend.hpp"
#include "platform/input/input_settings.hpp"
#include "platform/run/abrupt_end.hpp"
#include "platform/run/input_recorder.hpp"
#include "platform/run/paced_runner.hpp"
#include "platform/run/script.hpp"
#include "platform/run/script_input.hpp"
#include "platform/run/window_settings.hpp"
#include "platform/settings/game_settings.hpp"
#include "platform/settings/typed_settings.hpp"

namespace platform {

namespace {

// One turn of the windowed loop: input, due timers, the screen.
int64_t WindowedTurn(App& app) {
    app.DoEvents();
    app.EndIfNoWindowShown();
    const int64_t before = app.RealMicros();
    app.frontend().Present(app);
    app.stats().RecordPresent(app.RealMicros() - before);
    return app.NextTimerDue();
}

void AdvanceClock(App& app, VirtualClock& clock, int64_t targetMicros) {
    for (;;) {
        int64_t due = app.NextTimerDue();
        if (due < 0 || due > targetMicros)
            break;
        clock.Set(std::max(due, clock.NowMicros()));
        app.DoEvents();
        app.EndIfNoWindowShown();
    }
    clock.Set(targetMicros);
}

void RunScript(App& app, VirtualClock& clock, const std::vector<ScriptCommand>& commands,
               bool strict, InputRecorder& recorder) {
    for (const ScriptCommand& c : commands) {
        if (c.kind == ScriptCommand::Kind::kWait) {
            AdvanceClock(app, clock, clock.NowMicros() + c.ms * 1000);
        } else {
            PlayCommand(app, c, strict);
            app.EndIfNoWindowShown();
        }
        recorder.KeepUp(clock.NowMicros());
    }
    app.EndProcess(0);
}

// Reads a script, checking its form and control names; false (after saying why) when it
// cannot be read or a line is bad. `strict` tells whether it is a recording.
bool LoadScript(App& app, const std::string& path, std::vector<ScriptCommand>& script,
                bool& strict) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "dunspelt: cannot read script " << path << "\n";
        return false;
    }
    std::string first;
    std::getline(in, first);
    strict = IsRecording(first);
    in.clear();
    in.seekg(0);
    try {
        script = ParseScript(in, [&](const std::string& form, const std::string& control) {
            Form* f = app.FindForm(form);
            return f && (control.empty() || f->FindControl(control));
        });
    } catch (const ScriptError& e) {
        std::cerr << "dunspelt: " << path << ": " << e.what() << "\n";
        return false;
    }
    return true;
}

// The speed a run plays at: --speed, else a replayed recording's own, else the setting. A
// headless run keeps it only to step from (its clock runs as the script says).
int SpeedOfRun(const RunOptions& options, const AssistSettings& assist) {
    if (options.speed)
        return *options.speed;
    std::ifstream replay(options.replay);
    if (const auto recorded = options.replay.empty() ? std::nullopt : RecordedSpeed(replay))
        return *recorded;
    return assist.speed;
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

// What a run keeps until it ends. Shared with the loop's turns, which a browser's host calls
// after RunApplication has returned.
struct Run {
    RunOptions options;
    std::vector<ScriptCommand> script;
    bool strict = false;
    VirtualClock* virtualClock = nullptr;
    PacedClock* pacedClock = nullptr;
    InputRecorder recorder;
    std::unique_ptr<InputFeed> feed;

    // The status the run ends with, from what ended it.
    int StatusOf(std::exception_ptr thrown) {
        App& app = App::Get();
        try {
            std::rethrow_exception(thrown);
        } catch (const ProcessExit& e) {
            return e.status;
        } catch (const RuntimeError& e) {
            ReportError(app, e);
            return 1;
        } catch (const ScriptError& e) {
            // A recording that no longer fits the game: it stops where it went another way.
            const std::string& file = options.headless ? options.script : options.replay;
            std::cerr << "dunspelt: " << file << ": " << e.what() << "\n";
            return 2;
        }
    }

    int End(std::exception_ptr thrown) {
        App& app = App::Get();
        const int status = StatusOf(thrown);
        app.SetInputObserver(nullptr);
        recorder.Finish(app.NowMicros());
        app.TraceEvent("end");
        app.tracer().Flush();
        if (options.stats)
            std::cerr << "dunspelt: " << app.stats().Summary() << "\n";
        // The windows close now, while everything they may report to still exists (a display
        // lost on the way changes nothing); what is left of the process talks to no window
        // system.
        GameEnded(status);
        app.SetFrontend(std::make_unique<HeadlessFrontend>());
        return status;
    }
};

}  // namespace

int RunApplication(const RunOptions& options, const std::function<void()>& start) {
    App& app = App::Get();
    SetAppFolder(options.appDir);
    if (options.stats)
        app.stats().Enable();
    auto run = std::make_shared<Run>();
    run->options = options;
    if (options.headless) {
        app.SetFrontend(std::make_unique<HeadlessFrontend>());
        auto clock = std::make_unique<VirtualClock>();
        run->virtualClock = clock.get();
        app.SetClock(std::move(clock));
        if (!options.script.empty() && !LoadScript(app, options.script, run->script, run->strict))
            return 2;
    } else {
        if (!options.replay.empty() && !LoadScript(app, options.replay, run->script, run->strict))
            return 2;
        std::string why;
        WindowSettings window = WindowSettingsFrom(GameSettings());
        window.icon = options.windowIcon;
        auto frontend = CreateWindowedFrontend(window, why);
        if (!frontend) {
            std::cerr << "dunspelt: no display available (" << why
                      << "); use --headless to run without one\n";
            return 1;
        }
        if (!options.replay.empty())
            frontend->SetTitleSuffix(" (replay)");
        app.SetFrontend(std::move(frontend));
        if (!options.record.empty() || !options.replay.empty()) {
            auto clock = std::make_unique<PacedClock>();
            run->pacedClock = clock.get();
            app.SetClock(std::move(clock));
            app.SetPollInDoEvents(false);
            if (options.replay.empty())
                run->feed = std::make_unique<PlayerFeed>();
            else
                run->feed = std::make_unique<ScriptFeed>(run->script, run->strict);
        } else {
            app.SetClock(std::make_unique<RealClock>());
        }
    }
    app.SetSpeed(SpeedOfRun(options, AssistSettingsFrom(GameSettings())));
    InputRecorder& recorder = run->recorder;
    if (!options.record.empty()) {
        std::vector<std::string> notes = options.recordNotes;
        if (!options.headless)
            notes.push_back(SpeedNote(app.clock().speed()));
        if (!recorder.Open(options.record, notes)) {
            std::cerr << "dunspelt: cannot write recording " << options.record << "\n";
            return 2;
        }
        app.SetInputObserver(
            [&recorder](const InputEvent& e) { recorder.Record(e, App::Get().NowMicros()); });
        // A display lost under the game ends it at once; the recording is finished first.
        FlushBeforeAbruptEnd([&recorder] { recorder.Finish(App::Get().NowMicros()); });
    }
    ApplyInputSettings(app, InputSettingsFrom(GameSettings()), SoundSettingsFrom(GameSettings()),
                       [](const std::string& text) { std::cerr << "dunspelt: " << text << "\n"; });
    if (!options.trace.empty() && !app.tracer().Open(options.trace)) {
        std::cerr << "dunspelt: cannot write trace " << options.trace << "\n";
        return 2;
    }
    const LoopEnd end = [run](std::exception_ptr thrown) { return run->End(thrown); };
    try {
        start();
        app.EndIfNoWindowShown();
        if (options.headless)
            RunScript(app, *run->virtualClock, run->script, run->strict, recorder);
    } catch (...) {
        return end(std::current_exception());
    }
    LoopTurn turn = [&app] { return WindowedTurn(app); };
    if (run->pacedClock)
        turn = [run, &app] { return PacedTurn(app, *run->pacedClock, *run->feed, &run->recorder); };
    // The loop's host ends the run itself when it returns before the end (a browser page).
    return app.frontend().Loop(app, std::move(turn), end).value_or(0);
}

}  // namespace platform
