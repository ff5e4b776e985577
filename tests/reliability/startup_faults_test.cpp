// Faults around the game rather than in its levels: the picture store, the music, the display,
// the headless scripts and the command line. Each is met with a clear message and the right
// exit status, or play goes on; never a crash.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

#include "support/headless_run.hpp"
#include "support/polling.hpp"
#include "support/process_run.hpp"
#include "support/xvfb_display.hpp"

namespace fs = std::filesystem;
using reliability::GameExecutable;
using reliability::ProcessResult;
using reliability::RunProcess;
using testsupport::ChildProcess;
using testsupport::RunHeadless;
using testsupport::RunOnDisplay;
using testsupport::TempApp;
using testsupport::WaitUntil;
using testsupport::XvfbDisplay;

namespace {

const std::vector<std::string> kNoDisplay = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};

// Replaces the linked folder `name` (pics or muz) with a real one holding links to the built
// files, so single files can be removed or damaged.
fs::path OwnCopy(const TempApp& app, const std::string& name) {
    const fs::path folder = app.dir() / name, built = fs::path(DUNSPELT_APP_DIR) / name;
    fs::remove(folder);
    fs::create_directory(folder);
    for (const auto& entry : fs::directory_iterator(built))
        fs::create_symlink(entry.path(), folder / entry.path().filename());
    return folder;
}

int Lines(const std::string& text) {
    return int(std::count(text.begin(), text.end(), '\n'));
}

void ExpectNoCrash(const ProcessResult& r, const std::string& what) {
    EXPECT_EQ(r.signal, 0) << what << ": ended by signal " << r.signal << "\n" << r.errors;
}

}  // namespace

TEST(StartupFaults, AMissingOrDamagedStorePictureIsNamedBeforeAnyWindowOpens) {
    for (const std::string file : {"hugo1.bmp", "menu.png", "icon.ico", "button_back_hover.png"}) {
        for (const bool damaged : {false, true}) {
            TempApp app;
            app.UseBakedLevels();
            const fs::path pics = OwnCopy(app, "pics");
            fs::remove(pics / file);
            if (damaged)
                std::ofstream(pics / file) << "BM this is no picture";
            const std::string what = file + (damaged ? " damaged" : " missing");

            testsupport::RunResult headless = RunHeadless(app, "wait 100\n", {"--warp", "1"});
            EXPECT_EQ(headless.status, 1) << what;
            EXPECT_NE(headless.errors.find(file), std::string::npos) << what << headless.errors;
            EXPECT_EQ(Lines(headless.errors), 1) << what << headless.errors;
            EXPECT_TRUE(headless.trace.empty()) << what << ": the game started";

            // Windowed, even with no display: the picture is reported, not the display.
            ProcessResult windowed =
                RunProcess({GameExecutable(), "--app-dir", app.dir().string()}, kNoDisplay);
            ExpectNoCrash(windowed, what);
            EXPECT_NE(windowed.status, 0) << what;
            EXPECT_NE(windowed.errors.find(file), std::string::npos) << what << windowed.errors;
        }
    }
}

TEST(StartupFaults, NoDisplayGivesOnlyOurLineNamingHeadlessAndANonZeroStatus) {
    TempApp app;
    app.UseBakedLevels();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{"--warp", "2"}}) {
        std::vector<std::string> argv = {GameExecutable(), "--app-dir", app.dir().string()};
        argv.insert(argv.end(), args.begin(), args.end());
        // With and without a runtime folder: the window-system libraries add nothing of theirs.
        for (bool runtimeDir : {false, true}) {
            std::vector<std::string> unset = kNoDisplay;
            std::vector<std::string> set;
            if (runtimeDir)
                set.push_back("XDG_RUNTIME_DIR=" + app.dir().string());
            else
                unset.push_back("XDG_RUNTIME_DIR");
            ProcessResult r = RunProcess(argv, unset, set, 20);
            ExpectNoCrash(r, "no display");
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(Lines(r.errors), 1) << r.errors;
            EXPECT_EQ(r.errors.rfind("dunspelt:", 0), 0u) << r.errors;
            EXPECT_NE(r.errors.find("display"), std::string::npos) << r.errors;
            EXPECT_NE(r.errors.find("--headless"), std::string::npos) << r.errors;
        }
    }
}

TEST(StartupFaults, MissingOrDamagedMusicFallsBackToTheAlertAndPlayGoesOn) {
    TempApp app;
    app.UseBakedLevels();
    // Through the intro and the menu (a warp keeps the music off) into play.
    const std::string toPlay = "wait 10500\nclick izvelne Command1\nwait 200\nkeydown Right\n";
    fs::remove(app.dir() / "muz");
    testsupport::RunResult headless = RunHeadless(app, toPlay + "wait 200\n");
    EXPECT_EQ(headless.status, 0) << headless.errors;
    EXPECT_TRUE(headless.HasEvent("sound muz/menu.wav"));
    EXPECT_TRUE(headless.HasEvent("sound muz/level1.wav"));
    EXPECT_GE(headless.Ticks().size(), 39u);

    // Windowed with a sound device, side by side on one private display because the intro
    // takes ten seconds: no music folder; damaged and empty WAV files; no audio device at all
    // (silent play). Each is told to stop once its menu (and the menu's music) is up.
    TempApp damagedApp;
    damagedApp.UseBakedLevels();
    const fs::path muz = OwnCopy(damagedApp, "muz");
    fs::remove(muz / "menu.wav");
    std::ofstream(muz / "menu.wav") << "RIFF\x10\0\0\0WAVEfmt damaged";
    fs::remove(muz / "level1.wav");
    std::ofstream(muz / "level1.wav");
    XvfbDisplay display(1024, 768);
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    auto windowed = [&](const TempApp& a, const std::string& audio) {
        return std::make_unique<ChildProcess>(
            std::vector<std::string>{GameExecutable(), "--app-dir", a.dir().string()},
            std::vector<std::string>{display.env(), "SDL_AUDIODRIVER=" + audio,
                                     std::string("LSAN_OPTIONS=suppressions=") +
                                         DUNSPELT_SOURCE_DIR + "/cmake/lsan.supp"},
            "", (a.dir() / ("stderr-" + audio + ".txt")).string());
    };
    std::unique_ptr<ChildProcess> games[] = {windowed(app, "dummy"), windowed(damagedApp, "dummy"),
                                             windowed(app, "no-such-device")};
    for (auto& game : games) {
        const std::string pid = std::to_string(game->pid());
        EXPECT_TRUE(WaitUntil(
            [&] {
                return !game->Running() ||
                       !RunOnDisplay(display, {"xdotool", "search", "--all", "--onlyvisible",
                                               "--pid", pid, "--name", "^Menu$"})
                            .empty();
            },
            60000, 100))
            << "no menu from game " << pid;
        game->Signal(SIGTERM);
    }
    for (auto& game : games) {
        ASSERT_TRUE(game->WaitFor(20000)) << "the game did not close on SIGTERM";
        EXPECT_EQ(game->signal(), 0) << "music faults: ended by signal " << game->signal();
        EXPECT_EQ(game->status(), 0);
    }
}

TEST(StartupFaults, BadScriptLinesEndWithStatusTwoNamingTheLineBeforeTheGameStarts) {
    TempApp app;
    app.UseBakedLevels();
    const std::vector<std::string> bad = {
        "fly 10",                        // unknown command
        "wait",                          // number missing
        "wait 1.5",                      // not a whole number
        "wait 0x10",                     // not decimal
        "wait 10ms",                     // trailing text
        "wait 86400001",                 // over a day
        "wait 99999999999999999999999",  // beyond any integer
        "wait -1",                       // negative
        "wait 10 20",                    // too many numbers
        "keydown Shift",                 // unknown key
        "keyup left",                    // key names are exact
        "click izvelne",                 // control missing
        "click nowhere Command1",        // unknown form
        "click izvelne Command99",       // unknown control
        "move nowhere",                  // unknown form
        "close FrmMain PlayArea",        // close takes a form only
        "screenshot x.png nowhere",      // unknown form
        "during-setup",                  // input command missing
        "during-setup wait 10",          // only input can arrive in a set-up
        "during-setup close nowhere",    // unknown form
    };
    for (const std::string& line : bad) {
        const std::string script = "# comment\nwait 10\n\n" + line + "   # the bad one\nwait 10\n";
        testsupport::RunResult r = RunHeadless(app, script, {"--warp", "1"});
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_NE(r.errors.find("line 4"), std::string::npos) << line << ": " << r.errors;
        EXPECT_EQ(Lines(r.errors), 1) << line << ": " << r.errors;
        EXPECT_TRUE(r.trace.empty()) << line << ": the game started";
    }
    // An unreadable script is refused the same way.
    ProcessResult missing =
        RunProcess({GameExecutable(), "--headless", "--script",
                    (app.dir() / "no-such-script").string(), "--app-dir", app.dir().string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.errors.find("no-such-script"), std::string::npos) << missing.errors;
}

TEST(CommandLine, HelpListsEveryOptionOnOneLineAndVersionPrintsIt) {
    ProcessResult help = RunProcess({GameExecutable(), "--help"});
    EXPECT_EQ(help.status, 0);
    std::istringstream lines(help.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("usage: dunspelt", 0), 0u) << line;
    std::set<std::string> listed;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line.rfind("  --", 0), 0u) << "not an option line: '" << line << "'";
        const std::string option = line.substr(2, line.find(' ', 2) - 2);
        EXPECT_TRUE(listed.insert(option).second) << option << " listed twice";
        EXPECT_GT(line.size(), option.size() + 10) << option << " has no description";
    }
    // Every option listed is accepted (on a run that ends at once), and only those are.
    const std::set<std::string> expected = {"--headless",   "--script",   "--trace",    "--record",
                                            "--replay",     "--warp",     "--app-dir",  "--stats",
                                            "--help",       "--version",  "--settings", "--scale",
                                            "--fullscreen", "--windowed", "--speed"};
    EXPECT_EQ(listed, expected);
    // Headless, a script is the only input: without one the game says so and plays nothing.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--headless"},
          std::vector<std::string>{"--headless", "--warp", "2", "--trace", "/dev/null"}}) {
        std::vector<std::string> argv = {GameExecutable()};
        argv.insert(argv.end(), args.begin(), args.end());
        ProcessResult r = RunProcess(argv);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.errors, "dunspelt: --headless needs --script FILE (the input to play)\n");
    }
    ProcessResult unknown = RunProcess({GameExecutable(), "--vsync"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.errors.find("--vsync"), std::string::npos);
    // A scale that is not one of the steps is refused by name.
    for (const char* bad : {"9", "1.25", "0", "big"}) {
        ProcessResult scale = RunProcess({GameExecutable(), "--scale", bad, "--headless"});
        EXPECT_EQ(scale.status, 2) << bad;
        EXPECT_NE(scale.errors.find("--scale"), std::string::npos) << bad;
    }

    ProcessResult version = RunProcess({GameExecutable(), "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("dunspelt ") + DUNSPELT_VERSION + "\n");
}
