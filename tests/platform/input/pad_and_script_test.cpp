// Pads as held controls (the dead zone's edges, both stick directions at once, a pad that goes
// away, a dead zone out of range in the settings) and the script lines that drive pads, focus
// and the new keys.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/forms/input_event.hpp"
#include "platform/input/pad_state.hpp"
#include "platform/run/script.hpp"
#include "support/headless_run.hpp"

using namespace platform;

namespace {

bool Holds(const std::vector<PadChange>& changes, PadControl control, bool held) {
    for (const PadChange& c : changes)
        if (c.control == control && c.held == held)
            return true;
    return false;
}

std::vector<ScriptCommand> Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseScript(in, [](const std::string& form, const std::string&) {
        return form == "FrmMain" || form == "izvelne";
    });
}

std::string ErrorOf(const std::string& text) {
    try {
        Parse(text);
    } catch (const ScriptError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(PadState, TheStickCountsOnlyBeyondTheDeadZoneInEitherDirectionAndBothAxesAtOnce) {
    PadState pads;
    pads.SetDeadZone(30);
    pads.Add(1);
    // 30 % of 32767 is 9830.1: 9830 is inside, 9831 beyond.
    EXPECT_TRUE(pads.Axis(1, PadAxis::kLeftX, 9830).empty());
    EXPECT_TRUE(pads.Axis(1, PadAxis::kLeftX, -9830).empty());
    EXPECT_TRUE(Holds(pads.Axis(1, PadAxis::kLeftX, 9831), PadControl::kStickRight, true));
    // Straight across to the other side: right lets go, left takes hold.
    auto across = pads.Axis(1, PadAxis::kLeftX, -32768);
    EXPECT_TRUE(Holds(across, PadControl::kStickRight, false));
    EXPECT_TRUE(Holds(across, PadControl::kStickLeft, true));
    // Moving within the held side changes nothing; y is held alongside x (up is negative).
    EXPECT_TRUE(pads.Axis(1, PadAxis::kLeftX, -20000).empty());
    EXPECT_TRUE(Holds(pads.Axis(1, PadAxis::kLeftY, -20000), PadControl::kStickUp, true));
    EXPECT_TRUE(pads.AnyHolds(PadControl::kStickLeft));
    EXPECT_TRUE(pads.AnyHolds(PadControl::kStickUp));
    // Back into the dead zone releases.
    EXPECT_TRUE(Holds(pads.Axis(1, PadAxis::kLeftX, 5000), PadControl::kStickLeft, false));
    // The right stick does nothing; the right trigger is held past the dead zone too.
    EXPECT_TRUE(pads.Axis(1, PadAxis::kRightX, 32767).empty());
    EXPECT_TRUE(
        Holds(pads.Axis(1, PadAxis::kRightTrigger, 32767), PadControl::kRightTrigger, true));
}

TEST(PadState, ADeadZoneOfZeroTakesAnyDeflectionAndNinetyOnlyTheEdge) {
    PadState pads;
    pads.Add(3);
    pads.SetDeadZone(0);
    EXPECT_TRUE(pads.Axis(3, PadAxis::kLeftY, 0).empty());
    EXPECT_TRUE(Holds(pads.Axis(3, PadAxis::kLeftY, 1), PadControl::kStickDown, true));
    pads.SetDeadZone(90);
    EXPECT_TRUE(Holds(pads.Axis(3, PadAxis::kLeftY, 29490), PadControl::kStickDown, false));
    EXPECT_TRUE(Holds(pads.Axis(3, PadAxis::kLeftY, 29491), PadControl::kStickDown, true));
}

TEST(PadState, ADeadZoneOutOfRangeInTheSettingsIsWarnedByLineAndThePadKeepsThirty) {
    testsupport::TempApp app;
    app.UseBakedLevels();
    const std::string settings = (app.dir() / "settings.ini").string();
    std::ofstream(settings) << "[input]\npause_on_focus_loss = true\ndead_zone = 95\n";
    // The stick at 25 % and then at 35 % of its way: only the second is past a zone of 30.
    testsupport::RunResult r = testsupport::RunHeadless(app,
                                                        "pad add\npad axis LeftX 8192\nwait 100\n"
                                                        "pad axis LeftX 11469\nwait 100\n",
                                                        {"--warp", "1", "--settings", settings});
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_NE(r.errors.find(settings + ":3: "), std::string::npos) << r.errors;
    for (const testsupport::TraceLine& tick : r.Ticks()) {
        if (tick.Int("ms") < 100) {
            EXPECT_EQ(tick.Int("KeyRight"), 0) << tick.raw;
        }
    }
    EXPECT_EQ(r.LastTick().Int("KeyRight"), -1);
}

TEST(PadState, APadThatGoesAwayLetsGoOfAllItHeldAndOtherPadsKeepTheirs) {
    PadState pads;
    pads.Add(1);
    pads.Add(2);
    pads.Button(1, PadButton::kA, true);
    pads.Button(2, PadButton::kA, true);
    pads.Axis(1, PadAxis::kLeftX, -32768);
    auto gone = pads.Remove(1);
    EXPECT_TRUE(Holds(gone, ControlOf(PadButton::kA), false));
    EXPECT_TRUE(Holds(gone, PadControl::kStickLeft, false));
    EXPECT_EQ(gone.size(), 2u);
    EXPECT_TRUE(pads.AnyHolds(ControlOf(PadButton::kA)));  // pad 2's
    EXPECT_FALSE(pads.AnyHolds(PadControl::kStickLeft));
    // Input from a pad that is not there is ignored.
    EXPECT_TRUE(pads.Button(1, PadButton::kB, true).empty());
    EXPECT_TRUE(pads.Remove(1).empty());
}

TEST(Script, PadFocusAndNewKeyLinesReadAsInput) {
    const auto c = Parse(
        "pad add\npad a down\npad DpadLeft up\npad axis LeftX -32768\npad add 2\n"
        "pad Start down 2\npad remove 2\nfocus FrmMain\nblur\nkeydown Left Shift\nkeyup Ctrl\n"
        "keydown P\nkeydown F12\nkeydown Return\nkeydown Tab\nkeyrepeat Left\nblur izvelne\n");
    ASSERT_EQ(c.size(), 17u);
    EXPECT_EQ(c[0].kind, ScriptCommand::Kind::kPadAdd);
    EXPECT_EQ(c[0].pad, 1);
    EXPECT_EQ(c[1].kind, ScriptCommand::Kind::kPadButton);
    EXPECT_EQ(c[1].button, PadButton::kA);
    EXPECT_TRUE(c[1].down);
    EXPECT_FALSE(c[2].down);
    EXPECT_EQ(c[3].axis, PadAxis::kLeftX);
    EXPECT_EQ(c[3].value, -32768);
    EXPECT_EQ(c[5].pad, 2);
    EXPECT_EQ(c[5].button, PadButton::kStart);
    EXPECT_EQ(c[7].kind, ScriptCommand::Kind::kFocus);
    EXPECT_EQ(c[7].form, "FrmMain");
    EXPECT_EQ(c[8].kind, ScriptCommand::Kind::kBlur);
    EXPECT_EQ(c[9].key, kPhysLeftShift);
    EXPECT_EQ(c[10].key, kPhysLeftCtrl);
    EXPECT_EQ(c[11].key, kPhysP);
    EXPECT_EQ(c[12].key, kPhysF12);
    EXPECT_EQ(c[13].key, kPhysReturn);
    EXPECT_EQ(c[14].key, kPhysTab);
    EXPECT_FALSE(c[14].repeat);
    EXPECT_EQ(c[15].kind, ScriptCommand::Kind::kKeyDown);
    EXPECT_TRUE(c[15].repeat);
    EXPECT_EQ(c[16].kind, ScriptCommand::Kind::kBlur);
    EXPECT_EQ(c[16].form, "izvelne");
}

TEST(Script, BadPadAndFocusLinesStopTheScriptNamingTheLine) {
    EXPECT_EQ(ErrorOf("pad A down\n"), "line 1: pad 1 is not connected (pad add first)");
    EXPECT_EQ(ErrorOf("pad add\npad add\n"), "line 2: pad 1 is already connected");
    EXPECT_EQ(ErrorOf("pad add\npad remove\npad B up\n"),
              "line 3: pad 1 is not connected (pad add first)");
    EXPECT_EQ(ErrorOf("pad add\n\npad Z down\n").rfind("line 3: unknown pad button 'Z'", 0), 0u);
    EXPECT_EQ(ErrorOf("pad add\npad A sideways\n"), "line 2: 'pad A' needs down or up");
    EXPECT_EQ(ErrorOf("pad add\npad axis LeftX 40000\n"),
              "line 2: '40000' is not an axis value from -32768 to 32767");
    EXPECT_EQ(ErrorOf("pad add\npad axis Wheel 1\n").rfind("line 2: unknown pad axis 'Wheel'", 0),
              0u);
    EXPECT_EQ(ErrorOf("pad add 17\n"), "line 1: '17' is not a pad number from 1 to 16");
    EXPECT_EQ(ErrorOf("focus nowhere\n"), "line 1: unknown form 'nowhere'");
    EXPECT_EQ(ErrorOf("blur FrmMain izvelne\n"), "line 1: wrong number of arguments for 'blur'");
    EXPECT_EQ(ErrorOf("keydown Hyper Space\n").rfind("line 1: unknown key 'Hyper Space'", 0), 0u);
}
