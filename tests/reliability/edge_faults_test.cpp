// Faults at the edges of the screen flow, through the headless game: no process left running
// without a window, no level played in a hidden window, a fresh game from every start, and
// nothing a player does while a level is set up can free what the set-up reads or start a
// second set-up inside it (run under the sanitizer build too).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "screens/screen_flows.hpp"
#include "support/process_run.hpp"

namespace fs = std::filesystem;
using namespace testsupport;
using namespace screentest;

namespace {

// The same levels as LongFlatApp, in a folder of their own with no grid caches yet, so that
// each level start scans its mask (and yields while it does).
void WriteLongFlatLevels(TempApp& app) {
    TestLevel level1 = FlatLevel(12400, 600, 470);
    app.WriteLevel("level1", level1.map, level1.mask);
    TestLevel level2 = FlatLevel(12400, 600, 500);
    app.WriteLevel("level2", level2.map, level2.mask);
}

// The grid caches of both levels as an undisturbed game writes them.
const std::vector<uint8_t>& ReferenceCache(const std::string& base) {
    static TempApp app;
    static bool once = [] {
        WriteLongFlatLevels(app);
        RunResult r = RunHeadless(app, "wait 10\n", {"--warp", "2"});
        EXPECT_EQ(r.status, 0) << r.errors;
        return true;
    }();
    (void)once;
    static std::map<std::string, std::vector<uint8_t>> caches;
    auto& bytes = caches[base];
    if (bytes.empty())
        bytes = reliability::ReadAll(app.maps() / (base + ".DAT"));
    return bytes;
}

// The tick lines written after the n-th (1-based) event equal to `text`, up to the next one.
std::vector<TraceLine> TicksAfterNth(const RunResult& r, const std::string& text, int n) {
    std::vector<TraceLine> out;
    int seen = 0;
    for (const TraceLine& l : r.trace) {
        if (l.Has("event")) {
            std::string e = l.Str("event");
            for (const char* key : {"form", "file"})
                if (l.Has(key))
                    e.append(" ").append(l.Str(key));
            if (e == text && ++seen > n)
                break;
        } else if (seen == n && l.IsTick()) {
            out.push_back(l);
        }
    }
    return out;
}

void ExpectCleanRun(const RunResult& r) {
    EXPECT_EQ(r.status, 0);
    // A sanitizer report or a run-time error would show here.
    EXPECT_EQ(r.errors, "");
}

}  // namespace

TEST(EdgeFaults, ClosingTheLastShownWindowEndsTheProcessThoughTheGameWindowWasLoadedHidden) {
    // Defeat, back to the menu (which reloads the game window hidden), then the menu's close
    // box: nothing is on screen any more, so the process ends there and then.
    const std::string toMenu = kFallIntoPit + "wait 500\nclick lose Command1\nwait 100\n";
    RunResult closed =
        RunHeadless(PitApp(), toMenu + "close izvelne\nwait 5000\n", {"--warp", "1"});
    ExpectCleanRun(closed);
    EXPECT_EQ(EventsFrom(closed, "unload izvelne"),
              (std::vector<std::string>{"unload izvelne", "unload FrmMain", "end"}));
    EXPECT_EQ(EventTime(closed, "end"), EventTime(closed, "unload izvelne"));

    // The same when the last window on screen goes by its own button: about's back, after the
    // menu beneath it was closed.
    RunResult back =
        RunHeadless(PitApp(),
                    toMenu +
                        "click izvelne Command4\nclose izvelne\nwait 100\nclick about Command1\n"
                        "wait 5000\n",
                    {"--warp", "1"});
    ExpectCleanRun(back);
    EXPECT_EQ(
        EventsFrom(back, "unload izvelne"),
        (std::vector<std::string>{"unload izvelne", "unload about", "unload FrmMain", "end"}));
    EXPECT_EQ(EventTime(back, "end"), EventTime(back, "unload about"));
    EXPECT_LT(EventTime(back, "unload izvelne"), EventTime(back, "end"));
}

TEST(EdgeFaults, NextLevelAfterTheGameWindowWasClosedPlaysLevelTwoInAShownWindow) {
    RunResult r = RunHeadless(
        LongFlatApp(), kPlayLevel1 + "wait 1000\nclose FrmMain\nclick aik Command1\nwait 500\n",
        {"--warp", "1"});
    ExpectCleanRun(r);
    // The game window came back (hidden, when its timer was enabled) and is shown at the end of
    // the set-up; level 2 runs in it.
    const std::vector<std::string> events = EventsFrom(r, "unload aik");
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "unload aik");
    EXPECT_NE(std::find(events.begin(), events.end(), "load FrmMain"), events.end());
    EXPECT_EQ(events.at(events.size() - 2), "show FrmMain");
    EXPECT_EQ(events.back(), "end");
    const std::vector<TraceLine> level2 = TicksAfterNth(r, "unload aik", 1);
    ASSERT_GE(level2.size(), 40u);
    EXPECT_GE(level2.front().Int("ms"), EventTime(r, "unload aik"));
    for (const TraceLine& t : level2) EXPECT_EQ(t.Str("level"), "2");
    // Its labels start fresh, as a reloaded window's do; the score itself carries over.
    EXPECT_EQ(level2.front().Str("HP"), "100");
    EXPECT_EQ(level2.front().Str("score"), "0");
    EXPECT_EQ(level2.front().Int("Score"), 50);
    EXPECT_GT(level2.back().Actor(1, "X"), level2.front().Actor(1, "X") - 1);
}

TEST(EdgeFaults, AStartFromTheMenuOpenedAgainOverARunningGameIsAFreshGame) {
    // A game started with the options screen open; a kill and some damage; options' back opens
    // the menu again over the running game, and its start button begins the next game.
    RunResult r = RunHeadless(LongFlatApp(), kUntilMenu +
                                                 "click izvelne Command2\n"
                                                 "click izvelne Command1\nwait 20\n" +
                                                 kKillFirstEnemy +
                                                 "click options Command2\nwait 100\n"
                                                 "click izvelne Command1\nwait 50\n");
    ExpectCleanRun(r);
    const std::vector<TraceLine> game1 = TicksAfterNth(r, "show FrmMain", 1);
    const std::vector<TraceLine> game2 = TicksAfterNth(r, "show FrmMain", 2);
    ASSERT_FALSE(game1.empty());
    ASSERT_FALSE(game2.empty());
    ASSERT_EQ(game1.back().Int("Score"), 50);
    ASSERT_NE(game1.back().Str("HP"), "100");
    // The game window was unloaded and loaded again before the second game's set-up.
    const std::vector<std::string> events = EventsFrom(r, "unload options");
    EXPECT_EQ(events, (std::vector<std::string>{
                          "unload options", "load izvelne", "sound muz/menu.wav", "show izvelne",
                          "unload izvelne", "unload FrmPics", "unload FrmMain", "load FrmPics",
                          "load FrmMain", "sound muz/level1.wav", "show FrmMain", "end"}));
    // Its first tick is the first tick of a fresh game.
    const TraceLine& fresh = game1.front();
    const TraceLine& again = game2.front();
    for (const char* label : {"HP", "level", "score", "title"})
        EXPECT_EQ(again.Str(label), fresh.Str(label)) << label;
    for (const char* value :
         {"Score",           "PlayerHealth",    "Shot1Active", "Shot2Active", "Shot3Active",
          "RunSpeed",        "EnemyHP1",        "EnemyHP2",    "EnemyHP3",    "EnemyShotFired1",
          "EnemyShotFired2", "EnemyShotFired3", "EnemyShotY",  "OnGround",    "WalkFrame",
          "FacingRight",     "CameraX",         "CameraY",     "KeyRight",    "KeyFire",
          "GridWidth"})
        EXPECT_EQ(again.Int(value), fresh.Int(value)) << value;
    for (int actor = 1; actor <= 4; ++actor)
        for (const char* field : {"X", "Y", "Alive", "Width", "Height"})
            EXPECT_EQ(again.Actor(actor, field), fresh.Actor(actor, field))
                << "actor " << actor << " " << field;
}

TEST(EdgeFaults, ClicksDuringTheMaskScanWaitUntilTheSetUpHasFinished) {
    // With the options screen open, the start button's scan of level 1 yields; options' back
    // and then the menu's start button are pressed in that yield. The first set-up finishes,
    // then the menu opens and the second start begins a fresh game: never a set-up inside a
    // set-up reading a mask the inner one has freed.
    TempApp app;
    WriteLongFlatLevels(app);
    RunResult r = RunHeadless(app, kUntilMenu +
                                       "click izvelne Command2\n"
                                       "during-setup click options Command2\n"
                                       "during-setup move izvelne Command1\n"
                                       "during-setup click izvelne Command1\n"
                                       "click izvelne Command1\nwait 100\n");
    ExpectCleanRun(r);
    EXPECT_EQ(EventsFrom(r, "unload izvelne"),
              (std::vector<std::string>{
                  "unload izvelne", "load FrmPics", "load FrmMain", "sound muz/level1.wav",
                  "show FrmMain", "unload options", "load izvelne", "sound muz/menu.wav",
                  "show izvelne", "unload izvelne", "unload FrmPics", "unload FrmMain",
                  "load FrmPics", "load FrmMain", "sound muz/level1.wav", "show FrmMain", "end"}));
    const std::vector<TraceLine> ticks = r.Ticks();
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.front().Str("HP"), "100");
    for (const TraceLine& t : ticks) {
        EXPECT_EQ(t.Str("level"), "1");
        EXPECT_EQ(t.Int("GridWidth"), 12404);
    }
    // The cache was written from the whole mask.
    EXPECT_EQ(reliability::ReadAll(app.maps() / "level1.DAT"), ReferenceCache("level1"));
}

TEST(EdgeFaults, ACloseBoxDuringTheMaskScanIsCarriedOutWhenTheSetUpHasFinished) {
    // Level 2's scan yields with the game window on screen; its close box is pressed then. The
    // set-up finishes with the picture store intact and writes a whole cache; then the window
    // closes and, with nothing left on screen, the process ends without a level 2 tick.
    TempApp app;
    WriteLongFlatLevels(app);
    RunResult r =
        RunHeadless(app,
                    kPlayLevel1 +
                        "wait 1000\nduring-setup close FrmMain\nduring-setup keydown Right\n"
                        "click aik Command1\nwait 500\n",
                    {"--warp", "1"});
    ExpectCleanRun(r);
    EXPECT_EQ(EventsFrom(r, "unload aik"),
              (std::vector<std::string>{"unload aik", "unload FrmPics", "unload FrmMain", "end"}));
    EXPECT_TRUE(TicksAfterNth(r, "unload aik", 1).empty());
    EXPECT_EQ(reliability::ReadAll(app.maps() / "level2.DAT"), ReferenceCache("level2"));
}

TEST(EdgeFaults, MemoryThatCannotBePreparedDuringTheIntroIsAllocatedAtTheLevelStart) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "a limit on address space leaves no room for the sanitizer's shadow memory";
#else
    // Level 2's map claims 65535 x 65535 pixels (17 GB): the intro's preparation of that much
    // memory fails under a 4 GB address-space limit. Level 1 is small and plays all the same.
    TempApp app;
    for (const char* f : {"level1.MAP", "level1.MSK"})
        fs::create_symlink(fs::path(DUNSPELT_APP_DIR) / "maps" / f, app.maps() / f);
    const std::vector<uint8_t> hugePngHeader = {
        0x89, 'P',  'N',  'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0,
        0,    0xFF, 0xFF, 0,   0,    0xFF, 0xFF, 8,    2, 0, 0, 0,  0,   0,   0,   0};
    reliability::WriteAll(app.maps() / "level2.MAP", hugePngHeader);
    const fs::path script = app.dir() / "script.txt", trace = app.dir() / "trace.jsonl";
    std::ofstream(script) << "wait 10500\nclick izvelne Command1\nwait 300\n";
    const reliability::ProcessResult run = reliability::RunProcess(
        {"/bin/sh", "-c", "ulimit -v 4000000 && exec \"$@\"", "sh", reliability::GameExecutable(),
         "--headless", "--script", script.string(), "--trace", trace.string(), "--app-dir",
         app.dir().string()});
    EXPECT_EQ(run.signal, 0) << run.errors;
    EXPECT_EQ(run.status, 0) << run.errors;
    const std::vector<uint8_t> bytes = reliability::ReadAll(trace);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find(R"("event":"show","form":"FrmMain")"), std::string::npos);
    EXPECT_GE(std::count(text.begin(), text.end(), '\n'), 30) << text;
#endif
}

TEST(EdgeFaults, AStartFromTheMenuClosesTheEndScreenLeftFromTheGameBefore) {
    // Right held in a game started with the options screen open; options' back opens the menu
    // over it, and the player walks on into the pit: the defeat screen opens beside the menu.
    // The menu's start button then begins a fresh game without that screen.
    RunResult r = RunHeadless(PitApp(), kUntilMenu +
                                            "click izvelne Command2\nclick izvelne Command1\n"
                                            "wait 20\nkeydown Right\nclick options Command2\n"
                                            "wait 3000\nclick izvelne Command1\nwait 100\n");
    ExpectCleanRun(r);
    ASSERT_NE(EventTime(r, "show lose"), -1);
    ASSERT_LT(EventTime(r, "show lose"), EventTime(r, "unload lose"));
    EXPECT_EQ(EventsFrom(r, "unload lose"),
              (std::vector<std::string>{"unload lose", "load FrmPics", "load FrmMain",
                                        "sound muz/level1.wav", "show FrmMain", "end"}));
    const std::vector<TraceLine> game2 = TicksAfterNth(r, "show FrmMain", 2);
    ASSERT_FALSE(game2.empty());
    EXPECT_EQ(game2.front().Str("HP"), "100");
    EXPECT_EQ(game2.front().Actor(1, "X"), 10);
}
