// Menus without a mouse: arrows, Tab and Shift+Tab move a focus through each screen's enabled
// buttons in screen order, showing exactly what the same mouse moves would show; Enter presses
// the focused button, Escape the screen's back button where it has one.
#include <gtest/gtest.h>

#include "screens/screen_flows.hpp"

using namespace testsupport;
using namespace screentest;

namespace {

std::string Shot(const TempApp& app, const std::string& name, const std::string& form) {
    return "screenshot " + ShotPath(app, name) + " " + form + "\n";
}

std::string Press(const std::string& key) {
    return "keydown " + key + "\nkeyup " + key + "\n";
}

// Whether two screenshots of a form are the same picture.
bool SameShot(const TempApp& app, const std::string& a, const std::string& b) {
    auto pa = ReadShot(app, a), pb = ReadShot(app, b);
    return pa && pb && *pa == *pb;
}

// Runs `keys` on a screen and the mouse route that should look the same, taking a screenshot
// of `form` after each step, and checks the pictures pairwise.
void ExpectKeysLookLikeMouse(const std::string& toScreen, const std::string& form,
                             const std::vector<std::string>& keys,
                             const std::vector<std::string>& mouseTargets,
                             const std::vector<std::string>& args = {}) {
    TempApp& app = LongFlatApp();
    std::string byKeys = toScreen, byMouse = toScreen;
    for (size_t i = 0; i < keys.size(); ++i) {
        byKeys += Press(keys[i]) + Shot(app, form + "_key" + std::to_string(i), form);
        // Leaving a button is a move over the bare form; reaching one, a move over it.
        byMouse += "move " + form + "\nmove " + form + " " + mouseTargets[i] + "\n" +
                   Shot(app, form + "_mouse" + std::to_string(i), form);
    }
    RunResult k = RunHeadless(app, byKeys, args), m = RunHeadless(app, byMouse, args);
    ASSERT_EQ(k.status, 0) << k.errors;
    ASSERT_EQ(m.status, 0) << m.errors;
    for (size_t i = 0; i < keys.size(); ++i)
        EXPECT_TRUE(
            SameShot(app, form + "_key" + std::to_string(i), form + "_mouse" + std::to_string(i)))
            << form << ": after " << keys[i] << " (step " << i << ") the picture differs from the "
            << "mouse over " << mouseTargets[i];
}

}  // namespace

TEST(KeyboardMenus, MenuFocusGoesDownTheButtonsAndWrapsShowingTheMouseHoverImages) {
    // The first key shows the start button, whichever way it points; then Down, Right and Tab
    // go down the buttons, Up and Left back up.
    ExpectKeysLookLikeMouse(
        kUntilMenu, "izvelne", {"Up", "Down", "Right", "Tab", "Tab", "Up", "Left"},
        {"Command1", "Command2", "Command4", "Command3", "Command1", "Command3", "Command4"});
}

TEST(KeyboardMenus, ShiftTabFromTheStartButtonGoesRoundToTheLastButton) {
    TempApp& app = LongFlatApp();
    RunResult r = RunHeadless(
        app, kUntilMenu + Press("Up") + Shot(app, "up", "izvelne") + "keydown Left Shift\n" +
                 Press("Tab") + "keyup Left Shift\n" + Shot(app, "shifttab", "izvelne") +
                 "move izvelne\nmove izvelne Command1\n" + Shot(app, "start", "izvelne") +
                 "move izvelne\nmove izvelne Command3\n" + Shot(app, "exit", "izvelne"));
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(SameShot(app, "up", "start"));
    EXPECT_TRUE(SameShot(app, "shifttab", "exit"));
}

TEST(KeyboardMenus, EnterOnTheFocusedStartButtonStartsAGameAndEscapeOnTheMenuDoesNothing) {
    RunResult r =
        RunHeadless(LongFlatApp(), kUntilMenu + Press("Escape") + "wait 100\n" + Press("Return") +
                                       "wait 100\n" + Press("Return") + "wait 30\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    // Escape did nothing; the first Enter only focused the start button; the second pressed it.
    EXPECT_EQ(
        EventsFrom(r, "show izvelne"),
        (std::vector<std::string>{"show izvelne", "unload izvelne", "load FrmPics", "load FrmMain",
                                  "sound muz/level1.wav", "show FrmMain", "end"}));
    EXPECT_EQ(EventTime(r, "unload izvelne"), 10200);
    EXPECT_EQ(r.Ticks().size(), 3u);
}

TEST(KeyboardMenus, OptionsSkipDisabledButtonsAndEscapeReturnsToTheMenu) {
    TempApp& app = LongFlatApp();
    const std::string toOptions = kUntilMenu + "click izvelne Command2\n";
    // The first Tab shows the back button; then screen order: sound on, sound off (the top
    // row), back.
    ExpectKeysLookLikeMouse(toOptions, "options", {"Tab", "Tab", "Tab", "Tab"},
                            {"Command2", "Command1", "Command3", "Command2"});
    // Sound on disables its own button; from then on the focus passes it by, so the fourth Tab
    // after it lands on the back button and Enter goes back to the menu.
    RunResult r = RunHeadless(app, toOptions + Press("Tab") + Press("Tab") + Press("Return") +
                                       Press("Tab") +
                                       Press("Tab") + Press("Tab") + Press("Tab") +
                                       Shot(app, "back_focused", "options") + Press("Return"));
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "show options"),
              (std::vector<std::string>{"show options", "unload options", "end"}));
    RunResult esc = RunHeadless(app, toOptions + "wait 100\n" + Press("Escape") + "wait 100\n");
    ASSERT_EQ(esc.status, 0) << esc.errors;
    // The menu is still loaded beneath: it comes to the front without loading again.
    EXPECT_EQ(EventsFrom(esc, "show options"),
              (std::vector<std::string>{"show options", "unload options", "end"}));
    EXPECT_EQ(EventTime(esc, "unload options"), 10100);
    EXPECT_EQ(Sounds(esc), (std::vector<std::string>{"muz/menu.wav"}));
}

TEST(KeyboardMenus, EscapeClosesAboutAndAMouseMoveTakesTheFocusBack) {
    TempApp& app = LongFlatApp();
    RunResult r = RunHeadless(app, kUntilMenu + "click izvelne Command4\n" + Press("Escape") +
                                       // A mouse move forgets the focus: Down starts over at the
                                       // first button rather than going on to the second.
                                       Press("Down") + "move izvelne\n" + Press("Down") +
                                       Shot(app, "after_mouse", "izvelne") +
                                       "move izvelne\nmove izvelne Command1\n" +
                                       Shot(app, "start_hover", "izvelne"));
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventsFrom(r, "show about"),
              (std::vector<std::string>{"show about", "unload about", "end"}));
    EXPECT_TRUE(SameShot(app, "after_mouse", "start_hover"));
}

TEST(KeyboardMenus, BetweenLevelsTakesEnterButNotEscapeAndTheEndScreensGoBackOnEscape) {
    TempApp& app = LongFlatApp();
    // Between levels: Escape does nothing; Enter focuses the next-level button, Enter presses.
    RunResult aik = RunHeadless(app,
                                kPlayLevel1 + "wait 1000\n" + Press("Escape") + "wait 100\n" +
                                    Press("Return") + Press("Return") + "wait 50\n",
                                {"--warp", "1"});
    ASSERT_EQ(aik.status, 0) << aik.errors;
    EXPECT_EQ(EventsFrom(aik, "show aik"),
              (std::vector<std::string>{"show aik", "unload aik", "end"}));
    EXPECT_EQ(aik.LastTick().Str("level"), "2");
    // Victory: Escape is the to-menu button.
    RunResult win = RunHeadless(app, kWalkLevel2 + "wait 500\n" + Press("Escape"), {"--warp", "2"});
    ASSERT_EQ(win.status, 0) << win.errors;
    EXPECT_EQ(EventsFrom(win, "show win"),
              (std::vector<std::string>{"show win", "load FrmMain", "unload win", "load izvelne",
                                        "sound muz/menu.wav", "show izvelne", "end"}));
    // Defeat: the same; and the images the focus shows are the mouse's.
    RunResult lose =
        RunHeadless(PitApp(), kFallIntoPit + "wait 500\n" + Press("Escape"), {"--warp", "1"});
    ASSERT_EQ(lose.status, 0) << lose.errors;
    EXPECT_EQ(EventsFrom(lose, "show lose"),
              (std::vector<std::string>{"show lose", "load FrmMain", "unload lose", "load izvelne",
                                        "sound muz/menu.wav", "show izvelne", "end"}));
}

TEST(KeyboardMenus, EndScreensShowTheirToMenuButtonFirstThenGoInScreenOrder) {
    // Victory: to-menu (right) first, then round to exit (left) on the same row.
    ExpectKeysLookLikeMouse(kWalkLevel2 + "wait 500\n", "win", {"Right", "Right", "Left"},
                            {"Command1", "Command2", "Command1"}, {"--warp", "2"});
}

TEST(KeyboardMenus, KeysPressedOverTheBetweenLevelsScreenNeverReachTheGameWindow) {
    TempApp& app = LongFlatApp();
    // Up and Down are not cleared by the next-level button, so a flag set behind the screen
    // would show in level 2's first ticks; the game window has the focus all along.
    RunResult r = RunHeadless(app,
                              kPlayLevel1 + "wait 1000\nfocus FrmMain\nkeydown Up\nkeydown Down\n" +
                                  "pad add\npad DpadUp down\npad axis LeftY 32767\n"
                                  "click aik Command1\nwait 50\n",
                              {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    std::vector<TraceLine> level2;
    for (const TraceLine& t : r.Ticks())
        if (t.Str("level") == "2")
            level2.push_back(t);
    ASSERT_FALSE(level2.empty());
    for (const TraceLine& t : level2) {
        EXPECT_EQ(t.Int("KeyUp"), 0) << t.raw;
        EXPECT_EQ(t.Int("KeyDown"), 0) << t.raw;
    }
}
