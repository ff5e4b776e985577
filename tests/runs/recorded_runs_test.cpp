// Replays the recorded runs in tests/runs/ through the built game, from a copy of the shipped
// application folder with the baked levels, and checks their milestones in the trace.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/byte_files.hpp"
#include "support/headless_run.hpp"

namespace {

using testsupport::RunHeadless;
using testsupport::RunResult;
using testsupport::TempApp;
using testsupport::TraceLine;

constexpr int kFallLimit = 480;
constexpr int kLevel1End = 9910;
constexpr int kLevel2End = 11910;
constexpr int kKillScore = 50;

// Every defeat: intro, menu, the game window, then the defeat screen.
const std::vector<std::string> kDefeatScreens{"load intro",   "show intro",   "unload intro",
                                              "load izvelne", "show izvelne", "unload izvelne",
                                              "load FrmMain", "show FrmMain", "unload FrmMain",
                                              "load lose",    "show lose"};

std::string ReadRun(const std::string& name) {
    return testsupport::ReadText(std::string(DUNSPELT_SOURCE_DIR) + "/tests/runs/" + name);
}

RunResult Replay(const std::string& name) {
    const std::string script = ReadRun(name);
    EXPECT_FALSE(script.empty()) << name << " is missing";
    TempApp app;
    app.UseBakedLevels();
    return RunHeadless(app, script);
}

// The screens' load, show and unload events in order (the picture store left out: it comes
// and goes with the game window).
std::vector<std::string> ScreenEvents(const RunResult& r) {
    std::vector<std::string> out;
    for (const std::string& e : r.Events()) {
        const bool screen =
            e.rfind("load ", 0) == 0 || e.rfind("show ", 0) == 0 || e.rfind("unload ", 0) == 0;
        if (screen && e.find("FrmPics") == std::string::npos)
            out.push_back(e);
    }
    return out;
}

std::vector<std::string> SoundEvents(const RunResult& r) {
    std::vector<std::string> out;
    for (const std::string& e : r.Events())
        if (e.rfind("sound ", 0) == 0)
            out.push_back(e);
    return out;
}

// The ticks played on a level, read from the level caption (empty once the window is gone).
std::vector<TraceLine> LevelTicks(const RunResult& r, const std::string& level) {
    std::vector<TraceLine> out;
    for (const TraceLine& t : r.Ticks())
        if (t.Str("level") == level)
            out.push_back(t);
    return out;
}

// Each rise of the score on these ticks must be one kill: 50 points, and an enemy drained to 0
// hit points leaving the map in the same tick.
int KillsOn(const std::vector<TraceLine>& ticks) {
    int kills = 0;
    for (size_t i = 1; i < ticks.size(); ++i) {
        const int64_t rise = ticks[i].Int("Score") - ticks[i - 1].Int("Score");
        if (rise == 0)
            continue;
        EXPECT_EQ(rise, kKillScore) << ticks[i].raw;
        bool someoneDied = false;
        for (int k = 1; k <= 3; ++k) {
            const std::string hp = "EnemyHP" + std::to_string(k);
            someoneDied =
                someoneDied || (ticks[i].Int(hp) == 0 && ticks[i - 1].Actor(k + 1, "X") != -100 &&
                                ticks[i].Actor(k + 1, "X") == -100);
        }
        EXPECT_TRUE(someoneDied) << ticks[i].raw;
        ++kills;
    }
    return kills;
}

// The health shown on the last tick the game window was up.
int64_t LastShownHealth(const RunResult& r) {
    std::string hp;
    for (const TraceLine& t : r.Ticks())
        if (!t.Str("HP").empty())
            hp = t.Str("HP");
    EXPECT_FALSE(hp.empty());
    return std::stoll(hp);
}

TEST(RecordedRuns, VictoryGoesFromTheIntroThroughBothLevelsToTheFinalScore) {
    const RunResult r = Replay("victory.txt");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(ScreenEvents(r),
              (std::vector<std::string>{"load intro", "show intro", "unload intro", "load izvelne",
                                        "show izvelne", "unload izvelne", "load FrmMain",
                                        "show FrmMain", "load aik", "show aik", "unload aik",
                                        "unload FrmMain", "load win", "show win"}));
    EXPECT_EQ(SoundEvents(r),
              (std::vector<std::string>{"sound muz/menu.wav", "sound muz/level1.wav",
                                        "sound muz/silence.wav", "sound muz/level2.wav",
                                        "sound muz/win.wav"}));
    EXPECT_EQ(r.Events().back(), "end");

    const std::vector<TraceLine> level1 = LevelTicks(r, "1");
    const std::vector<TraceLine> level2 = LevelTicks(r, "2");
    ASSERT_FALSE(level1.empty());
    ASSERT_FALSE(level2.empty());
    EXPECT_EQ(level1.front().Str("title"), "DUNSPELT LEVEL 1 - SWAMP");
    EXPECT_EQ(level2.front().Str("title"), "DUNSPELT LEVEL 2 - CAVES");
    // Each level is left over its end line, not by a fall.
    EXPECT_GT(level1.back().Actor(1, "X"), kLevel1End);
    EXPECT_GT(r.LastTick().Actor(1, "X"), kLevel2End);
    for (const TraceLine& t : r.Ticks()) ASSERT_LE(t.Actor(1, "Y"), kFallLimit) << t.raw;

    // At least one enemy shot dead on each level, and the score carried from one to the next.
    EXPECT_EQ(level1.front().Int("Score"), 0);
    EXPECT_GE(KillsOn(level1), 1);
    EXPECT_GE(KillsOn(level2), 1);
    EXPECT_GT(level1.back().Int("Score"), 0);
    EXPECT_EQ(level2.front().Int("Score"), level1.back().Int("Score"));
    EXPECT_GT(level2.back().Int("Score"), level1.back().Int("Score"));
    EXPECT_EQ(r.LastTick().Int("Score"), level2.back().Int("Score"));

    // Alive at the end: the shown health and the world state agree.
    EXPECT_GT(LastShownHealth(r), 0);
    EXPECT_EQ(LastShownHealth(r), 100 + r.LastTick().Int("PlayerHealth"));
}

TEST(RecordedRuns, DefeatByFallingEndsInThePitWithHealthLeft) {
    const RunResult r = Replay("defeat_fall.txt");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(ScreenEvents(r), kDefeatScreens);
    EXPECT_EQ(SoundEvents(r).back(), "sound muz/game_over.wav");
    EXPECT_EQ(r.Events().back(), "end");
    // Below the fall limit, still in level 1, with the health untouched by the fall.
    EXPECT_GT(r.LastTick().Actor(1, "Y"), kFallLimit);
    EXPECT_LT(r.LastTick().Actor(1, "X"), kLevel1End);
    EXPECT_GT(LastShownHealth(r), 0);
    EXPECT_TRUE(LevelTicks(r, "2").empty());
}

TEST(RecordedRuns, DefeatByFireAndContactRunsTheHealthOut) {
    const RunResult r = Replay("defeat_fire.txt");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(ScreenEvents(r), kDefeatScreens);
    EXPECT_EQ(SoundEvents(r).back(), "sound muz/game_over.wav");
    EXPECT_EQ(r.Events().back(), "end");
    // The health falls both ways: a tick of contact alone costs 1, a shot 5 (plus contact).
    int contactTicks = 0, shotHits = 0;
    const std::vector<TraceLine> ticks = r.Ticks();
    for (size_t i = 1; i < ticks.size(); ++i) {
        const int64_t loss = ticks[i - 1].Int("PlayerHealth") - ticks[i].Int("PlayerHealth");
        ASSERT_GE(loss, 0) << ticks[i].raw;
        contactTicks += loss == 1;
        shotHits += loss >= 5;
        EXPECT_LE(ticks[i].Actor(1, "Y"), kFallLimit) << "not a fall: " << ticks[i].raw;
    }
    EXPECT_GT(contactTicks, 0);
    EXPECT_GT(shotHits, 0);
    EXPECT_LE(LastShownHealth(r), 0);
    EXPECT_LE(100 + r.LastTick().Int("PlayerHealth"), 0);
}

// The tick lines of a run, as written.
std::vector<std::string> TickLines(const RunResult& r) {
    std::vector<std::string> out;
    for (const TraceLine& t : r.Ticks()) out.push_back(t.raw);
    return out;
}

// The keyboard-only and pad-only wins play the mouse-and-keyboard win tick for tick: the
// menus and screens are worked at the same moments as its clicks, and every tick is the same.
// Afterwards each goes back to the menu from the victory screen and leaves by its exit button.
void ExpectSameGameAsVictory(const RunResult& r, const RunResult& victory) {
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(victory.status, 0) << victory.errors;
    EXPECT_EQ(TickLines(r), TickLines(victory));
    EXPECT_EQ(ScreenEvents(r),
              (std::vector<std::string>{
                  "load intro", "show intro", "unload intro", "load izvelne", "show izvelne",
                  "unload izvelne", "load FrmMain", "show FrmMain", "load aik", "show aik",
                  "unload aik", "unload FrmMain", "load win", "show win",
                  // to the menu (the game window is loaded again, hidden), then exit
                  "load FrmMain", "unload win", "load izvelne", "show izvelne"}));
    std::vector<std::string> sounds = SoundEvents(victory);
    sounds.insert(sounds.end(), {"sound muz/menu.wav", "sound muz/silence.wav"});
    EXPECT_EQ(SoundEvents(r), sounds);
    EXPECT_EQ(r.Events().back(), "end");
    EXPECT_FALSE(r.HasEvent("pause"));
}

TEST(RecordedRuns, KeyboardOnlyWinPlaysTheVictoryRunTickForTickWithTheMenusByKeys) {
    const RunResult r = Replay("victory_keyboard.txt");
    ExpectSameGameAsVictory(r, Replay("victory.txt"));
    EXPECT_FALSE(r.HasEvent("pad-added 1"));
}

TEST(RecordedRuns, PadOnlyWinPlaysTheVictoryRunTickForTickWithStickButtonsAndTrigger) {
    const std::string script = ReadRun("victory_pad.txt");
    // Nothing but pad input: no key and no mouse.
    for (const char* verb : {"\nkeydown", "\nkeyup", "\nclick", "\nmove"})
        EXPECT_EQ(script.find(verb), std::string::npos) << verb;
    const RunResult r = Replay("victory_pad.txt");
    ExpectSameGameAsVictory(r, Replay("victory.txt"));
    EXPECT_TRUE(r.HasEvent("pad-added 1"));
}

}  // namespace
