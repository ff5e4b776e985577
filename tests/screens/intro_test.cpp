// The intro: black, then the logo at 2 s, the title at 7 s, the menu at 10 s; input changes
// nothing; closing it early ends the process.
#include <gtest/gtest.h>

#include "screens/screen_flows.hpp"

using namespace testsupport;
using namespace screentest;

namespace {

// Compares the intro's client area with a full-size background, away from the two small
// picture boxes that sit on top of it.
bool ShowsBackground(const platform::Surface& shot, const platform::Surface& background) {
    return SameRegion(shot, 100, 0, background, 100, 0, 700, 600) &&
           SameRegion(shot, 0, 200, background, 0, 200, 100, 400);
}

bool IsBlackAwayFromTheBoxes(const platform::Surface& shot) {
    return ShowsBackground(shot, platform::Surface(800, 600, 0));
}

const std::string kTimelineShots =
    "wait 1999\nscreenshot @before_logo intro\nwait 1\nscreenshot @logo intro\n"
    "wait 4999\nscreenshot @before_title intro\nwait 1\nscreenshot @title intro\n"
    "wait 2999\n";

std::string WithShots(const TempApp& app, std::string script) {
    for (size_t p; (p = script.find('@')) != std::string::npos;) {
        size_t end = script.find(' ', p);
        script.replace(p, end - p, ShotPath(app, script.substr(p + 1, end - p - 1)));
    }
    return script;
}

}  // namespace

TEST(Intro, ShowsBlackThenLogoAtTwoSecondsThenTitleAtSevenThenTheMenuAtTen) {
    TempApp& app = LongFlatApp();
    RunResult r = RunHeadless(app, WithShots(app, kTimelineShots + "wait 1\n"));
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(EventTime(r, "load intro"), 0);
    EXPECT_EQ(EventTime(r, "show intro"), 0);
    EXPECT_TRUE(IsBlackAwayFromTheBoxes(*ReadShot(app, "before_logo")));
    auto logo = BuiltPicture("logo.bmp"), title = BuiltPicture("title.bmp");
    EXPECT_TRUE(ShowsBackground(*ReadShot(app, "logo"), *logo));
    EXPECT_TRUE(ShowsBackground(*ReadShot(app, "before_title"), *logo));
    EXPECT_TRUE(ShowsBackground(*ReadShot(app, "title"), *title));
    // The holders show the top-left part of their pictures the whole time.
    auto shot = ReadShot(app, "title");
    EXPECT_TRUE(SameRegion(*shot, 8, 128, *logo, 0, 0, 57, 41));
    EXPECT_TRUE(SameRegion(*shot, 8, 56, *title, 0, 0, 41, 33));
    // The menu appears only once the intro is gone, at 10 s, with its music.
    EXPECT_EQ(EventsFrom(r, "unload intro"),
              (std::vector<std::string>{"unload intro", "load izvelne", "sound muz/menu.wav",
                                        "show izvelne", "end"}));
    EXPECT_EQ(EventTime(r, "unload intro"), 10000);
    EXPECT_EQ(EventTime(r, "show izvelne"), 10000);
}

TEST(Intro, KeysClicksAndMovesChangeNothing) {
    TempApp& app = LongFlatApp();
    const std::string quiet = "wait 500\nwait 3000\nwait 6600\n";
    const std::string busy =
        "wait 500\nkeydown Space\nkeydown Escape\nclick intro tebrix\nmove intro\n"
        "wait 3000\nkeydown Ctrl\nkeyup Escape\nmove intro soldier\nclick intro soldier\n"
        "wait 6600\n";
    RunResult a = RunHeadless(app, quiet), b = RunHeadless(app, busy);
    ASSERT_EQ(a.status, 0) << a.errors;
    ASSERT_EQ(b.status, 0) << b.errors;
    ASSERT_EQ(a.trace.size(), b.trace.size());
    for (size_t i = 0; i < a.trace.size(); ++i) EXPECT_EQ(a.trace[i].raw, b.trace[i].raw);
    EXPECT_EQ(EventTime(b, "show izvelne"), 10000);
}

TEST(Intro, ClosingItEarlyEndsTheProcessWithoutTheMenu) {
    RunResult r = RunHeadless(LongFlatApp(), "wait 3000\nclose intro\nwait 20000\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.Events(),
              (std::vector<std::string>{"load intro", "show intro", "unload intro", "end"}));
    EXPECT_EQ(EventTime(r, "end"), 3000);
}
