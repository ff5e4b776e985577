// Runs the built game headless in a temporary application folder and reads its trace.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/core/surface.hpp"
#include "support/byte_files.hpp"

namespace testsupport {

// A temporary application folder: pics/ and muz/ link to the built game's, maps/ is empty
// (or holds links to the baked levels after UseBakedLevels).
class TempApp {
  public:
    TempApp();
    ~TempApp();
    TempApp(const TempApp&) = delete;
    TempApp& operator=(const TempApp&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    std::filesystem::path maps() const { return dir_ / "maps"; }
    // Links the baked level pictures (not their caches) into maps/.
    void UseBakedLevels();
    // Writes maps/<base>.MAP and .MSK.
    void WriteLevel(const std::string& base, const platform::Surface& map,
                    const platform::Surface& mask);

  private:
    std::filesystem::path dir_;
};

// One line of the trace, with just enough JSON reading for the tests.
struct TraceLine {
    std::string raw;
    bool Has(const std::string& key) const;
    int64_t Int(const std::string& key) const;
    std::string Str(const std::string& key) const;
    // A field of actor `index` (1-based) in "Actors".
    int64_t Actor(int index, const std::string& key) const;
    bool IsTick() const { return Has("tick"); }
    bool IsEvent(const std::string& event) const;
};

struct RunResult {
    int status = -1;
    std::string errors;  // stderr
    std::vector<TraceLine> trace;

    std::vector<TraceLine> Ticks() const;
    const TraceLine& Tick(int64_t n) const;  // the line of tick n
    const TraceLine& LastTick() const;
    // Events in order as "load FrmMain", "sound muz/menu.wav", "end" ...
    std::vector<std::string> Events() const;
    bool HasEvent(const std::string& text) const;
};

// Runs `dunspelt --headless --script <script text> --trace ... --app-dir <app>` plus `args`.
RunResult RunHeadless(const TempApp& app, const std::string& script,
                      const std::vector<std::string>& args = {});
// The same with another build of the game (one made on other levels).
RunResult RunHeadlessProgram(const std::filesystem::path& program, const TempApp& app,
                             const std::string& script, const std::vector<std::string>& args = {});

// Level pictures for tests: `width` x `height`, sky above `floorRow`, solid from it down.
struct TestLevel {
    platform::Surface map, mask;
};
TestLevel FlatLevel(int width, int height, int floorRow);
// Makes a rectangle of the mask solid (and paints it on the map).
void AddSolid(TestLevel& level, int x, int y, int w, int h);
// Makes a rectangle free.
void AddGap(TestLevel& level, int x, int y, int w, int h);

}  // namespace testsupport
