// Recordings made by the headless game: they replay to the same trace, hold only what the game
// acted on, and stop naming the line when the game goes another way.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/byte_files.hpp"
#include "support/headless_run.hpp"
#include "support/trace_compare.hpp"

using namespace testsupport;

namespace {

// The recording without its comment lines.
std::vector<std::string> Commands(const std::string& recording) {
    std::vector<std::string> out;
    std::istringstream lines(recording);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#')
            out.push_back(line);
    return out;
}

std::string ReadRun(const std::string& name) {
    return ReadText(std::string(DUNSPELT_SOURCE_DIR) + "/tests/runs/" + name);
}

// Records `script` headless; returns the run and leaves the recording in `recording`.
RunResult Record(const TempApp& app, const std::string& script, std::string& recording,
                 std::vector<std::string> args = {}) {
    const auto file = app.dir() / "recorded.txt";
    args.insert(args.end(), {"--record", file.string()});
    RunResult r = RunHeadless(app, script, args);
    recording = ReadText(file);
    return r;
}

}  // namespace

TEST(Recording, AWholeGameRecordedHeadlessReplaysToTheSameTrace) {
    TempApp app;
    app.UseBakedLevels();
    std::string recording;
    RunResult played = Record(app, ReadRun("victory.txt"), recording);
    ASSERT_EQ(played.status, 0) << played.errors;
    ASSERT_TRUE(played.HasEvent("show win"));
    // The header says what it is, which version made it and when.
    EXPECT_EQ(
        recording.rfind(std::string("# DUNSPELT recording, version ") + DUNSPELT_VERSION + "\n", 0),
        0u)
        << recording.substr(0, 200);
    EXPECT_NE(recording.find("\n# recorded 20"), std::string::npos);

    RunResult replayed = RunHeadless(app, recording);
    ASSERT_EQ(replayed.status, 0) << replayed.errors;
    EXPECT_EQ(FirstTraceDifference(played.trace, replayed.trace), "");
    EXPECT_GT(replayed.Ticks().size(), 2000u);
}

TEST(Recording, HoldsOnlyWhatTheGameActedOnAndEachHoverOnce) {
    TempApp app;
    app.UseBakedLevels();
    std::string recording;
    RunResult r = Record(app,
                         "wait 10500\n"
                         "move izvelne Command1\nwait 5\nmove izvelne Command1\n"  // one hover
                         "click lose Command1\n"  // the defeat screen is not open: ignored
                         "screenshot " +
                             (app.dir() / "menu.png").string() +
                             "\n"
                             "move izvelne\nwait 20\nkeydown Left\nkeyup Left\n"
                             "move izvelne Command1\nclick izvelne Command3\n",
                         recording);
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<std::string> expected = {"wait 10500",
                                               "move izvelne Command1",
                                               "wait 5",
                                               "move izvelne",
                                               "wait 20",
                                               "keydown Left",
                                               "keyup Left",
                                               "move izvelne Command1",
                                               "click izvelne Command3"};
    EXPECT_EQ(Commands(recording), expected);
}

TEST(Recording, TheTimeAfterTheLastInputIsKeptAndAWarpIsNoted) {
    TempApp app;
    app.UseBakedLevels();
    std::string recording;
    RunResult r = Record(app, "wait 100\nkeydown Right\nwait 250\n", recording, {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_NE(recording.find("# started with --warp 1"), std::string::npos) << recording;
    EXPECT_EQ(Commands(recording),
              (std::vector<std::string>{"wait 100", "keydown Right", "wait 250"}));
    RunResult replayed = RunHeadless(app, recording, {"--warp", "1"});
    EXPECT_EQ(replayed.Ticks().size(), 35u);
    EXPECT_EQ(FirstTraceDifference(r.trace, replayed.trace), "");
}

TEST(Recording, AnArrowHeldOnTheMenuKeepsItsRepeatsAndReplaysToTheSameScreen) {
    TempApp app;
    app.UseBakedLevels();
    std::string recording;
    // Down shows the focus on the start button, its repeats walk on to options and about, and
    // Return presses the button they reached.
    RunResult played = Record(app,
                              "wait 10500\nkeydown Down\nwait 500\nkeyrepeat Down\nwait 33\n"
                              "keyrepeat Down\nwait 33\nkeyup Down\nwait 20\nkeydown Return\n"
                              "keyup Return\nwait 100\n",
                              recording);
    ASSERT_EQ(played.status, 0) << played.errors;
    ASSERT_TRUE(played.HasEvent("show about")) << "the repeats did not move the focus";
    const std::vector<std::string> commands = Commands(recording);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "keyrepeat Down"), 2) << recording;
    RunResult replayed = RunHeadless(app, recording);
    ASSERT_EQ(replayed.status, 0) << replayed.errors;
    EXPECT_EQ(FirstTraceDifference(played.trace, replayed.trace), "") << recording;
}

TEST(Recording, ARecordingThatNoLongerFitsTheGameStopsNamingTheLine) {
    TempApp app;
    app.UseBakedLevels();
    std::string recording;
    ASSERT_EQ(Record(app, ReadRun("defeat_fall.txt"), recording).status, 0);
    // The same recording with the start button's click swapped for one on a screen that is not
    // open: the game stays on the menu, so the run has gone another way.
    std::string diverged = recording;
    const size_t at = diverged.find("click izvelne Command1");
    ASSERT_NE(at, std::string::npos) << recording;
    diverged.replace(at, 22, "click lose Command1");
    const int line = int(std::count(diverged.begin(), diverged.begin() + long(at), '\n')) + 1;
    RunResult r = RunHeadless(app, diverged);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.errors.find("line " + std::to_string(line) + ":"), std::string::npos) << r.errors;
    EXPECT_NE(r.errors.find("'lose' is not on screen"), std::string::npos) << r.errors;
    EXPECT_FALSE(r.HasEvent("show FrmMain"));
    EXPECT_TRUE(r.HasEvent("end"));

    // A control this version does not have stops it before the start.
    std::string unknown = recording;
    unknown.replace(unknown.find("click izvelne Command1"), 22, "click izvelne Command9");
    RunResult u = RunHeadless(app, unknown);
    EXPECT_EQ(u.status, 2);
    EXPECT_NE(u.errors.find("line " + std::to_string(line) + ": unknown control 'Command9'"),
              std::string::npos)
        << u.errors;

    // A hand-written script is not a recording: the click is ignored and the script plays on.
    std::string handWritten = diverged.substr(diverged.find('\n') + 1);
    RunResult h = RunHeadless(app, handWritten);
    EXPECT_EQ(h.status, 0) << h.errors;
}

TEST(Recording, CommandLineMistakesAreRefused) {
    TempApp app;
    RunResult headlessReplay =
        RunHeadless(app, "wait 10\n", {"--replay", (app.dir() / "script.txt").string()});
    EXPECT_EQ(headlessReplay.status, 2);
    EXPECT_NE(headlessReplay.errors.find("--script"), std::string::npos) << headlessReplay.errors;
    RunResult unwritable =
        RunHeadless(app, "wait 10\n", {"--record", (app.dir() / "no-dir" / "x.txt").string()});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.errors.find("cannot write recording"), std::string::npos)
        << unwritable.errors;
}
