#include "reliability/random_play.hpp"

#include <map>
#include <set>
#include <sstream>

namespace reliability {
namespace {

struct Target {
    const char* form;
    const char* control;  // "" for the bare form
    bool exits;
};

// Every screen with its buttons and a picture or two; FrmPics is never shown.
const Target kTargets[] = {
    {"intro", "", false},           {"intro", "soldier", false},    {"izvelne", "", false},
    {"izvelne", "Command1", false}, {"izvelne", "Command2", false}, {"izvelne", "Command3", true},
    {"izvelne", "Command4", false}, {"izvelne", "Picture1", false}, {"options", "", false},
    {"options", "Command1", false}, {"options", "Command2", false}, {"options", "Command3", false},
    {"about", "", false},           {"about", "Command1", false},   {"aik", "", false},
    {"aik", "Command1", false},     {"aik", "Command2", true},      {"win", "", false},
    {"win", "Command1", false},     {"win", "Command2", true},      {"lose", "", false},
    {"lose", "Command1", false},    {"lose", "Command2", true},     {"FrmMain", "", false},
    {"FrmMain", "PlayArea", false}, {"FrmMain", "HP", false},
};
const char* const kForms[] = {"intro", "izvelne", "options", "about",
                              "aik",   "win",     "lose",    "FrmMain"};
// The windows around play, whose close boxes matter most once the level ends are reached.
const char* const kPlayForms[] = {"FrmMain", "aik", "win", "lose", "izvelne"};
const char* const kKeys[] = {"Left", "Right", "Up", "Down", "Space", "Ctrl"};

}  // namespace

RandomScript MakeRandomScript(std::mt19937& rng, int sequences, RandomStyle style) {
    auto below = [&](int n) { return int(rng() % uint32_t(n)); };
    RandomScript s;
    std::ostringstream out;
    std::vector<Target> nonExit, exits;
    for (const Target& t : kTargets) (t.exits ? exits : nonExit).push_back(t);
    auto randomKey = [&] {
        if (style.leanRight) {
            const int pick = below(10);
            if (pick < 4)
                return std::string("keydown Right");
            if (pick < 6)
                return std::string("keyup Left");
        }
        return std::string(below(3) == 0 ? "keyup " : "keydown ") + kKeys[below(6)];
    };
    for (int q = 0; q < sequences; ++q) {
        s.sequenceStartMs.push_back(s.endMs);
        const int commands = 2 + below(5);
        for (int c = 0; c < commands; ++c) {
            const int kind = below(1000);
            // Input for the next set-up's yields: a click, close, key or mouse move.
            const char* prefix = below(50) == 0 ? "during-setup " : "";
            if (kind < 300) {
                // Mostly short waits; now and then long enough to get through the intro.
                const int longOdds = style.leanRight ? 6 : 20;
                const int ms = below(longOdds) == 0 ? 1000 + below(4000) : below(60);
                out << "wait " << ms << "\n";
                s.endMs += ms;
            } else if (kind < 560) {
                out << prefix << randomKey() << "\n";
            } else if (kind < 565) {
                out << "keydown Escape\n";
            } else if (kind < 780) {
                const Target& t = below(150) == 0 ? exits[size_t(below(int(exits.size())))]
                                                  : nonExit[size_t(below(int(nonExit.size())))];
                if (*t.control)
                    out << prefix << "click " << t.form << " " << t.control << "\n";
                else
                    out << prefix << "move " << t.form << "\n";
            } else if (kind < 985) {
                const Target& t = nonExit[size_t(below(int(nonExit.size())))];
                out << prefix << "move " << t.form << (*t.control ? " " : "") << t.control << "\n";
            } else {
                out << prefix << "close "
                    << (style.leanRight ? kPlayForms[below(5)] : kForms[below(8)]) << "\n";
            }
        }
    }
    out << "wait 20\n";
    s.endMs += 20;
    s.text = out.str();
    return s;
}

std::vector<std::string> CheckRandomRun(const testsupport::RunResult& run,
                                        const RandomScript& script, const LevelWidths& widths) {
    std::vector<std::string> broken;
    auto fail = [&](const std::string& why, int64_t ms) {
        if (broken.size() < 5)
            broken.push_back(why + " at " + std::to_string(ms) + " ms");
    };
    if (run.status != 0)
        fail("exit status " + std::to_string(run.status) + ": " + run.errors, -1);

    const std::set<std::string> endScreens = {"aik", "win", "lose"};
    std::set<std::string> loaded, shown;
    int64_t oneTickAllowedAt = -1, silentClipAt = -1, endAt = -1, allClosedAt = -1;
    // When the last shown window went (after the first had been shown), or -1.
    int64_t noneShownSince = -1;
    bool everShown = false;
    auto playable = [&] {
        if (!shown.count("FrmMain"))
            return false;
        for (const std::string& f : endScreens)
            if (shown.count(f))
                return false;
        return true;
    };
    for (const testsupport::TraceLine& line : run.trace) {
        const int64_t ms = line.Int("ms");
        if (endAt >= 0)
            fail("trace goes on after the end", ms);
        if (noneShownSince >= 0 && (line.IsTick() || ms > noneShownSince))
            fail("no window shown since " + std::to_string(noneShownSince) +
                     " ms but the process goes on",
                 ms);
        if (line.IsTick()) {
            if (loaded.count("FrmMain") && !shown.count("FrmMain"))
                fail(
                    "tick " + std::to_string(line.Int("tick")) + " while the game window is hidden",
                    ms);
            if (!playable()) {
                if (ms == oneTickAllowedAt)
                    oneTickAllowedAt = -1;  // the tick that opened the screen writes its line
                else
                    fail("tick " + std::to_string(line.Int("tick")) + " without a game to play",
                         ms);
                continue;
            }
            const std::string level = line.Str("level");
            const int64_t width = line.Int("GridWidth");
            if ((level == "1" && width != widths.level1) ||
                (level == "2" && width != widths.level2) || (level != "1" && level != "2"))
                fail("tick on level '" + level + "' with a grid " + std::to_string(width) +
                         " wide: the set-up was not finished",
                     ms);
            continue;
        }
        const std::string event = line.Str("event");
        const bool wasPlayable = playable();
        if (event == "load") {
            loaded.insert(line.Str("form"));
        } else if (event == "show") {
            shown.insert(line.Str("form"));
        } else if (event == "unload") {
            loaded.erase(line.Str("form"));
            shown.erase(line.Str("form"));
            if (loaded.empty())
                allClosedAt = ms;
        } else if (event == "sound" && line.Str("file") == "muz/silence.wav") {
            silentClipAt = ms;
        } else if (event == "error") {
            fail("run-time error " + line.raw, ms);
        } else if (event == "end") {
            endAt = ms;
        }
        if (wasPlayable && !playable())
            oneTickAllowedAt = ms;
        int showing = 0;
        for (const std::string& f : endScreens) showing += int(shown.count(f));
        if (showing > 1)
            fail("two end screens shown at once", ms);
        everShown = everShown || !shown.empty();
        if (!shown.empty())
            noneShownSince = -1;
        else if (everShown && noneShownSince < 0 && event != "end")
            noneShownSince = ms;
    }
    if (endAt < 0)
        fail("the trace has no end", -1);
    else if (endAt < script.endMs && silentClipAt != endAt && allClosedAt != endAt)
        fail("the process ended without an exit button, Escape or its last window closing", endAt);
    return broken;
}

}  // namespace reliability
