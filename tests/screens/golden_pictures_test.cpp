// Every screen pinned by its pixels: each screen as it opens, each picture button under the
// mouse and again after the mouse went back to the bare form, the intro's three stages, the
// options' greyed states and the victory screen's score. Three headless runs take all the
// pictures; tests/screens/golden/ holds their hashes.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/core/picture_file.hpp"
#include "screens/golden_pictures.hpp"
#include "support/byte_files.hpp"
#include "support/headless_run.hpp"

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

// A script fragment, then optionally a picture of one form. A picture named in `sameAs` must
// be identical to that earlier one, whatever the pinned hashes say.
struct Step {
    std::string script;
    std::string picture, form, sameAs;
};

struct Flow {
    std::string name;
    bool bakedLevels;
    std::vector<Step> steps;
};

std::string RecordedRun(const std::string& name) {
    const fs::path file = fs::path(DUNSPELT_SOURCE_DIR) / "tests" / "runs" / (name + ".txt");
    if (!fs::exists(file))
        throw std::runtime_error("no recorded run " + name);
    return ReadText(file);
}

// A recorded run cut before the line `at`: {before, from `at` on}.
std::pair<std::string, std::string> CutBefore(const std::string& run, const std::string& at) {
    const size_t p = run.find("\n" + at + "\n");
    if (p == std::string::npos)
        throw std::runtime_error("the recorded run has no line '" + at + "'");
    return {run.substr(0, p + 1), run.substr(p + 1)};
}

// A screen as it opens (after `script`), then for each button: the mouse over it, and the
// mouse back on the bare form, which must look as the screen opened.
void AddScreen(std::vector<Step>& steps, const std::string& script, const std::string& screen,
               const std::string& form, const std::vector<std::string>& buttons) {
    steps.push_back({script, screen, form, ""});
    for (const std::string& b : buttons) {
        steps.push_back({"move " + form + " " + b + "\n", screen + "." + b + ".hover", form, ""});
        steps.push_back({"move " + form + "\n", screen + "." + b + ".restored", form, screen});
    }
}

Flow MenusFlow() {
    Flow f{"menus", false, {}};
    f.steps.push_back({"wait 1000\n", "intro.1s", "intro", ""});
    f.steps.push_back({"wait 2000\n", "intro.3s", "intro", ""});
    f.steps.push_back({"wait 5000\n", "intro.8s", "intro", ""});
    AddScreen(f.steps, "wait 2000\n", "menu", "izvelne",
              {"Command1", "Command2", "Command4", "Command3"});
    AddScreen(f.steps, "click izvelne Command2\n", "options", "options",
              {"Command1", "Command3", "Command2"});
    f.steps.push_back({"click options Command3\n", "options.sound_off", "options", ""});
    // The greyed button takes no hover image: over it counts as over the bare form.
    f.steps.push_back({"move options Command3\n", "options.sound_off.over_greyed", "options",
                       "options.sound_off"});
    f.steps.push_back({"click options Command1\n", "options.sound_on", "options", ""});
    AddScreen(f.steps, "click options Command2\nclick izvelne Command4\n", "about", "about",
              {"Command1"});
    return f;
}

Flow VictoryFlow() {
    Flow f{"victory", true, {}};
    auto [level1, rest] = CutBefore(RecordedRun("victory"), "click aik Command1");
    AddScreen(f.steps, level1, "aik", "aik", {"Command1", "Command2"});
    AddScreen(f.steps, rest, "win", "win", {"Command1", "Command2"});
    return f;
}

Flow DefeatFlow() {
    Flow f{"defeat", true, {}};
    AddScreen(f.steps, RecordedRun("defeat_fall"), "lose", "lose", {"Command1", "Command2"});
    return f;
}

// Flows are built when their test runs (the victory and defeat flows read recorded runs).
struct FlowCase {
    const char* name;
    Flow (*build)();
};
void PrintTo(const FlowCase& c, std::ostream* os) {
    *os << c.name;
}

class ScreenPictures : public ::testing::TestWithParam<FlowCase> {};

TEST_P(ScreenPictures, MatchTheirPinnedPixels) {
    const Flow flow = GetParam().build();
    TempApp app;
    if (flow.bakedLevels)
        app.UseBakedLevels();
    auto shotPath = [&](const Step& s) { return app.dir() / (s.picture + ".png"); };
    std::string script;
    for (const Step& s : flow.steps) {
        script += s.script;
        if (!s.picture.empty())
            script += "screenshot " + shotPath(s).string() + " " + s.form + "\n";
    }
    RunResult r = RunHeadless(app, script);
    ASSERT_EQ(r.status, 0) << r.errors;

    const bool update = golden::UpdateRequested();
    const auto pinned = golden::ReadPins(golden::PinFile(flow.name));
    fs::remove_all(golden::FailureFolder(flow.name));
    std::vector<std::pair<std::string, golden::Pinned>> seen;
    std::map<std::string, golden::Pinned> byName;
    for (const Step& s : flow.steps) {
        if (s.picture.empty())
            continue;
        ASSERT_TRUE(fs::exists(shotPath(s))) << "no picture was taken of " << s.picture;
        const golden::Pinned actual = golden::Pin(*platform::LoadPicture(shotPath(s).string()));
        seen.emplace_back(s.picture, actual);
        byName[s.picture] = actual;
        if (!s.sameAs.empty()) {
            EXPECT_EQ(actual, byName[s.sameAs])
                << s.picture << " differs from " << s.sameAs << "; actual picture: "
                << golden::KeepMismatch(flow.name, s.picture, shotPath(s), &byName[s.sameAs],
                                        actual);
        }
        if (update)
            continue;
        auto it = pinned.find(s.picture);
        const golden::Pinned* expected = it == pinned.end() ? nullptr : &it->second;
        if (!expected || !(*expected == actual)) {
            ADD_FAILURE() << s.picture << " is " << golden::Describe(actual) << ", pinned "
                          << (expected ? golden::Describe(*expected) : "nothing")
                          << "; actual picture: "
                          << golden::KeepMismatch(flow.name, s.picture, shotPath(s), expected,
                                                  actual)
                          << " (make update-golden if the change was meant)";
        }
    }
    if (update)
        golden::WritePins(golden::PinFile(flow.name), seen);
    else
        EXPECT_EQ(pinned.size(), seen.size())
            << golden::PinFile(flow.name) << " pins pictures this flow no longer takes";
}

INSTANTIATE_TEST_SUITE_P(Flows, ScreenPictures,
                         ::testing::Values(FlowCase{"menus", MenusFlow},
                                           FlowCase{"victory", VictoryFlow},
                                           FlowCase{"defeat", DefeatFlow}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
