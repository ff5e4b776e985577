// Seeded random play over every screen, headless: thousands of short sequences of keys,
// clicks, mouse moves, close boxes and waits, chained into runs of the built game, each run's
// trace checked against the rules of random_play.hpp. DUNSPELT_RANDOM_SEQUENCES raises the
// count (and DUNSPELT_RANDOM_SEED picks another seed) for longer hunts, e.g. 20000 sequences:
//   DUNSPELT_RANDOM_SEQUENCES=20000 build/dunspelt_tests --gtest_filter='RandomPlay.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>

#include "platform/core/picture_file.hpp"
#include "reliability/random_play.hpp"

using reliability::CheckRandomRun;
using reliability::LevelWidths;
using reliability::MakeRandomScript;
using reliability::RandomScript;

namespace {

int64_t EnvOr(const char* name, int64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoll(value) : fallback;
}

LevelWidths BakedLevelWidths() {
    const std::string maps = std::string(DUNSPELT_APP_DIR) + "/maps/";
    return {platform::LoadPicture(maps + "level1.MAP")->width() + 4,
            platform::LoadPicture(maps + "level2.MAP")->width() + 4};
}

// Level pictures without pits, wide enough to pass both level ends: on level 1 the player walks
// below the enemies and their fire, on level 2 likewise, so leaning right reaches the
// between-levels and victory screens.
testsupport::TempApp& OpenFlatApp() {
    static testsupport::TempApp app;
    static bool once = [] {
        testsupport::TestLevel level1 = testsupport::FlatLevel(12400, 600, 540);
        app.WriteLevel("level1", level1.map, level1.mask);
        testsupport::TestLevel level2 = testsupport::FlatLevel(12400, 600, 500);
        app.WriteLevel("level2", level2.map, level2.mask);
        return true;
    }();
    (void)once;
    return app;
}

struct Playground {
    testsupport::TempApp& app;
    LevelWidths widths;
    reliability::RandomStyle style;
};

Playground BakedPlayground() {
    static testsupport::TempApp app;  // shared, so each level's cache is written once
    static bool once = [] {
        app.UseBakedLevels();
        return true;
    }();
    (void)once;
    return {app, BakedLevelWidths(), {}};
}

// Plays random sequences until `wanted` have run, starting each run at one of `warps`.
void PlayRandomly(int64_t wanted, uint32_t seed, const std::vector<int>& warps,
                  const Playground& ground, const std::vector<const char*>& mustShow) {
    std::mt19937 rng(seed);
    int64_t played = 0, runs = 0, endedEarly = 0, ticks = 0;
    std::map<std::string, int> screensShown;
    while (played < wanted) {
        const RandomScript script = MakeRandomScript(rng, 100, ground.style);
        const int warp = warps[rng() % warps.size()];
        std::vector<std::string> args;
        if (warp > 0)
            args = {"--warp", std::to_string(warp)};
        const testsupport::RunResult run = testsupport::RunHeadless(ground.app, script.text, args);
        ++runs;
        const std::vector<std::string> broken = CheckRandomRun(run, script, ground.widths);
        for (const std::string& why : broken)
            ADD_FAILURE() << "run " << runs << " (warp " << warp << "): " << why;
        if (!broken.empty()) {
            ADD_FAILURE() << "after " << played << " sequences; script of the failing run:\n"
                          << script.text;
            // DUNSPELT_RANDOM_KEEP_GOING=1 counts how often the rules break instead.
            if (EnvOr("DUNSPELT_RANDOM_KEEP_GOING", 0) == 0)
                return;
        }
        // Sequences that began before the process ended were played.
        const int64_t endMs = run.trace.empty() ? 0 : run.trace.back().Int("ms");
        for (int64_t start : script.sequenceStartMs) played += start <= endMs ? 1 : 0;
        endedEarly += endMs < script.endMs ? 1 : 0;
        ticks += int64_t(run.Ticks().size());
        for (const testsupport::TraceLine& line : run.trace)
            if (line.IsEvent("show"))
                ++screensShown[line.Str("form")];
    }
    // The random input must actually reach the screens, or the rules were checked on nothing.
    for (const char* form : mustShow) EXPECT_GT(screensShown[form], 0) << form << " never shown";
    std::string shownCounts;
    for (const auto& [form, count] : screensShown)
        shownCounts += " " + form + " " + std::to_string(count);
    std::printf(
        "random play: %lld sequences in %lld runs (%lld ended by exit or close), "
        "%lld ticks; screens shown:%s\n",
        (long long)played, (long long)runs, (long long)endedEarly, (long long)ticks,
        shownCounts.c_str());
}

}  // namespace

TEST(RandomPlay, FromTheIntroThroughTheMenusEveryScreenRuleHolds) {
    PlayRandomly(EnvOr("DUNSPELT_RANDOM_SEQUENCES", 1000),
                 uint32_t(EnvOr("DUNSPELT_RANDOM_SEED", 8)), {0}, BakedPlayground(),
                 {"izvelne", "options", "about", "FrmMain"});
}

TEST(RandomPlay, FromPlayOnEitherLevelEveryScreenRuleHolds) {
    PlayRandomly(EnvOr("DUNSPELT_RANDOM_SEQUENCES", 1000),
                 uint32_t(EnvOr("DUNSPELT_RANDOM_SEED", 8)) + 1, {1, 2}, BakedPlayground(),
                 {"FrmMain", "lose", "izvelne"});
}

// Through the level ends: the between-levels screen with its next-level button and close
// boxes, the victory screen, and back to the menu from there.
TEST(RandomPlay, ThroughTheLevelEndsEveryScreenRuleHolds) {
    PlayRandomly(EnvOr("DUNSPELT_RANDOM_SEQUENCES", 1000),
                 uint32_t(EnvOr("DUNSPELT_RANDOM_SEED", 8)) + 2, {1, 2},
                 {OpenFlatApp(), {12404, 12404}, {.leanRight = true}},
                 {"FrmMain", "aik", "win", "izvelne"});
}

// The rules themselves: each broken trace is caught, a sound one passes.
TEST(RandomPlay, TheRulesCatchEachKindOfBrokenTrace) {
    const LevelWidths widths{104, 204};
    RandomScript script;
    script.endMs = 1000;
    auto check = [&](std::vector<std::string> lines, int status = 0) {
        testsupport::RunResult run;
        run.status = status;
        for (std::string& l : lines) run.trace.push_back({l});
        return CheckRandomRun(run, script, widths);
    };
    const std::string load = R"({"ms":0,"event":"load","form":"FrmMain"})";
    const std::string show = R"({"ms":0,"event":"show","form":"FrmMain"})";
    auto tick = [](int ms, const char* level, int width) {
        return "{\"ms\":" + std::to_string(ms) +
               ",\"tick\":1,\"GridWidth\":" + std::to_string(width) + ",\"level\":\"" + level +
               "\"}";
    };
    const std::string end = R"({"ms":1000,"event":"end"})";

    EXPECT_TRUE(check({load, show, tick(10, "1", 104), tick(20, "2", 204), end}).empty());
    EXPECT_FALSE(check({load, show, tick(10, "1", 104), end}, 1).empty()) << "exit status";
    EXPECT_FALSE(check({load, tick(10, "1", 104), show, end}).empty()) << "tick before show";
    EXPECT_FALSE(check({load, show, tick(10, "2", 104), end}).empty()) << "half-done level 2";
    EXPECT_FALSE(check({load, show, R"({"ms":5,"event":"load","form":"aik"})",
                        R"({"ms":5,"event":"show","form":"aik"})", tick(5, "1", 104),
                        tick(15, "1", 104), end})
                     .empty())
        << "tick behind the between-levels screen";
    EXPECT_FALSE(
        check({R"({"ms":0,"event":"load","form":"win"})", R"({"ms":0,"event":"show","form":"win"})",
               R"({"ms":0,"event":"load","form":"lose"})",
               R"({"ms":0,"event":"show","form":"lose"})", end})
            .empty())
        << "two end screens";
    EXPECT_FALSE(check({load, show, R"({"ms":500,"event":"end"})"}).empty()) << "early end";
    EXPECT_TRUE(check({load, show, R"({"ms":500,"event":"sound","file":"muz/silence.wav"})",
                       R"({"ms":500,"event":"end"})"})
                    .empty())
        << "exit by Escape or an exit button";
    EXPECT_FALSE(check({load, show, R"({"ms":5,"event":"error","number":6})", end}).empty());
    // The menu closed over a game window loaded hidden: the process must end right there.
    const std::string menu = R"({"ms":0,"event":"load","form":"izvelne"})";
    const std::string showMenu = R"({"ms":0,"event":"show","form":"izvelne"})";
    const std::string closeMenu = R"({"ms":500,"event":"unload","form":"izvelne"})";
    EXPECT_FALSE(check({menu, showMenu, load, closeMenu, end}).empty()) << "windowless process";
    EXPECT_TRUE(
        check({menu, showMenu, load, closeMenu, R"({"ms":500,"event":"unload","form":"FrmMain"})",
               R"({"ms":500,"event":"end"})"})
            .empty())
        << "the last shown window closed";
    EXPECT_FALSE(check({menu, showMenu, load, tick(10, "1", 104), end}).empty())
        << "tick in a hidden game window";
}
