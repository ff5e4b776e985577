// The display probe: which window systems are worth asking, from the environment alone.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/display/display_probe.hpp"

namespace {

using platform::DisplayReach;

DisplayReach Probe(const std::map<std::string, std::string>& env,
                   const std::set<std::string>& files = {}) {
    return platform::ProbeDisplay(
        [&](const char* name) -> const char* {
            auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        },
        [&](const std::string& path) { return files.count(path) > 0; });
}

TEST(DisplayProbe, AsksOnlyTheWindowSystemsThatCouldAnswer) {
    EXPECT_EQ(Probe({}), DisplayReach::kNone);
    EXPECT_EQ(Probe({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}), DisplayReach::kNone);
    EXPECT_EQ(Probe({{"XDG_RUNTIME_DIR", "/run/user/1000"}}), DisplayReach::kNone);
    EXPECT_EQ(Probe({{"DISPLAY", ":0"}}), DisplayReach::kX11Only);
    EXPECT_EQ(Probe({{"WAYLAND_DISPLAY", "wayland-1"}}), DisplayReach::kWaylandOnly);
    // Wayland's default socket counts without a name.
    EXPECT_EQ(Probe({{"XDG_RUNTIME_DIR", "/run/user/1000"}}, {"/run/user/1000/wayland-0"}),
              DisplayReach::kWaylandOnly);
    EXPECT_EQ(Probe({{"DISPLAY", ":0"}, {"XDG_RUNTIME_DIR", "/run/user/1000"}},
                    {"/run/user/1000/wayland-0"}),
              DisplayReach::kAny);
    // A driver chosen by name is SDL's business, even with no display at all.
    EXPECT_EQ(Probe({{"SDL_VIDEODRIVER", "dummy"}}), DisplayReach::kAny);
}

}  // namespace
