// Shared pieces of the screen tests: test levels long enough to reach the level ends, script
// fragments for the usual routes through the screens, and screenshot reading.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/core/surface.hpp"
#include "support/headless_run.hpp"

namespace screentest {

// Both levels flat and wider than the level ends, so holding Right reaches them; passing the
// level 1 enemies costs health.
testsupport::TempApp& LongFlatApp();
// Level 1 with a pit between the first and second enemy: walking right falls out of the map.
testsupport::TempApp& PitApp();

// From process start (the intro) until the menu is open.
inline const std::string kUntilMenu = "wait 10000\n";
// Walking right from the start into the pit of PitApp's level 1 (Right stays held).
inline const std::string kFallIntoPit = "keydown Right\nwait 2500\n";
// Level 1: walk up to the first enemy, stop and fire one shot that stays lodged in it until it
// dies (50 points); its fire costs the player some health meanwhile.
inline const std::string kKillFirstEnemy =
    "keydown Right\nwait 500\nkeyup Right\nkeydown Ctrl\nwait 1500\n";
// Level 1 of LongFlatApp from its start to past its end, with time to spare: the first enemy
// is shot on the way (whose fire the player would not survive on this level).
inline const std::string kPlayLevel1 = kKillFirstEnemy + "keydown Right\nwait 17500\nkeyup Right\n";
// Level 2 of LongFlatApp: walking right to past its end.
inline const std::string kWalkLevel2 = "keydown Right\nwait 21000\nkeyup Right\n";

// A file in the test app folder for a screenshot, and the picture read back.
std::string ShotPath(const testsupport::TempApp& app, const std::string& name);
std::shared_ptr<platform::Surface> ReadShot(const testsupport::TempApp& app,
                                            const std::string& name);
// A built picture from pics/.
std::shared_ptr<platform::Surface> BuiltPicture(const std::string& file);

// Whether the w x h rectangle of `a` at (ax, ay) equals that of `b` at (bx, by).
bool SameRegion(const platform::Surface& a, int ax, int ay, const platform::Surface& b, int bx,
                int by, int w, int h);

// The events of a run from the first one matching `from` on (all if `from` is empty).
std::vector<std::string> EventsFrom(const testsupport::RunResult& r, const std::string& from);
// The "ms" of the first event equal to `text`, or -1.
int64_t EventTime(const testsupport::RunResult& r, const std::string& text);
// The sound files requested, in order ("muz/menu.wav" ...).
std::vector<std::string> Sounds(const testsupport::RunResult& r);

}  // namespace screentest
