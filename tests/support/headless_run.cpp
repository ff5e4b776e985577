#include "support/headless_run.hpp"
#include "support/build_paths.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "level/level_table.hpp"
#include "platform/core/picture_file.hpp"
#include "raster.hpp"

namespace fs = std::filesystem;

namespace testsupport {
namespace {

fs::path BuiltApp() {
    return fs::path(DUNSPELT_APP_DIR);
}

std::string ShellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Position just after "key": in the JSON text, or npos.
size_t ValueAt(const std::string& raw, const std::string& key, size_t from = 0) {
    const std::string needle = "\"" + key + "\":";
    size_t p = raw.find(needle, from);
    return p == std::string::npos ? p : p + needle.size();
}

}  // namespace

TempApp::TempApp() {
    static std::atomic<int> counter{0};
    dir_ = fs::temp_directory_path() /
           ("dunspelt-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "maps");
    fs::create_directory_symlink(BuiltApp() / "pics", dir_ / "pics");
    fs::create_directory_symlink(BuiltApp() / "muz", dir_ / "muz");
}

TempApp::~TempApp() {
    std::error_code ec;
    fs::permissions(maps(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
}

void TempApp::UseBakedLevels() {
    for (const game::LevelFacts& level : game::Levels())
        for (const char* ext : {".MAP", ".MSK"}) {
            const std::string f = level.baseName + std::string(ext);
            fs::create_symlink(BuiltApp() / "maps" / f, maps() / f);
        }
}

namespace {

// A level picture as the baked ones are stored, a palette BMP (written by the baker's own
// writer): it loads several times faster than a PNG, and the long test levels are loaded by
// every run. Pictures of more than 256 colours are written as PNG.
bool SaveLevelPicture(const platform::Surface& picture, const fs::path& path) {
    baker::Image image(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y)
        std::copy_n(picture.row(y), picture.width(), &image.at(0, y));
    try {
        baker::SaveBmp8(image, path.string());
        return true;
    } catch (const std::runtime_error&) {
        return platform::SavePng(picture, path.string());
    }
}

}  // namespace

void TempApp::WriteLevel(const std::string& base, const platform::Surface& map,
                         const platform::Surface& mask) {
    if (!SaveLevelPicture(map, maps() / (base + ".MAP")) ||
        !SaveLevelPicture(mask, maps() / (base + ".MSK")))
        throw std::runtime_error("cannot write test level " + base);
}

bool TraceLine::Has(const std::string& key) const {
    return ValueAt(raw, key) != std::string::npos;
}

int64_t TraceLine::Int(const std::string& key) const {
    size_t p = ValueAt(raw, key);
    if (p == std::string::npos)
        throw std::runtime_error("no field " + key + " in " + raw);
    return std::strtoll(raw.c_str() + p, nullptr, 10);
}

std::string TraceLine::Str(const std::string& key) const {
    size_t p = ValueAt(raw, key);
    if (p == std::string::npos || raw[p] != '"')
        throw std::runtime_error("no string " + key + " in " + raw);
    std::string out;
    for (size_t i = p + 1; i < raw.size() && raw[i] != '"'; ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size())
            ++i;
        out += raw[i];
    }
    return out;
}

int64_t TraceLine::Actor(int index, const std::string& key) const {
    size_t p = ValueAt(raw, "Actors");
    if (p == std::string::npos)
        throw std::runtime_error("no actors in " + raw);
    for (int i = 0; i < index; ++i) {
        p = raw.find('{', p);
        if (p == std::string::npos)
            throw std::runtime_error("no actor " + std::to_string(index));
        if (i + 1 < index)
            ++p;
    }
    size_t v = ValueAt(raw, key, p);
    return std::strtoll(raw.c_str() + v, nullptr, 10);
}

bool TraceLine::IsEvent(const std::string& event) const {
    return Has("event") && Str("event") == event;
}

std::vector<TraceLine> RunResult::Ticks() const {
    std::vector<TraceLine> out;
    for (const TraceLine& l : trace)
        if (l.IsTick())
            out.push_back(l);
    return out;
}

const TraceLine& RunResult::Tick(int64_t n) const {
    for (const TraceLine& l : trace)
        if (l.IsTick() && l.Int("tick") == n)
            return l;
    throw std::runtime_error("no tick " + std::to_string(n));
}

const TraceLine& RunResult::LastTick() const {
    for (auto it = trace.rbegin(); it != trace.rend(); ++it)
        if (it->IsTick())
            return *it;
    throw std::runtime_error("no tick in the trace");
}

std::vector<std::string> RunResult::Events() const {
    std::vector<std::string> out;
    for (const TraceLine& l : trace) {
        if (!l.Has("event"))
            continue;
        std::string e = l.Str("event");
        for (const char* key : {"form", "file", "pad"})
            if (l.Has(key))
                e.append(" ").append(l.Str(key));
        if (l.Has("number"))
            e.append(" ").append(std::to_string(l.Int("number")));
        out.push_back(e);
    }
    return out;
}

bool RunResult::HasEvent(const std::string& text) const {
    for (const std::string& e : Events())
        if (e == text)
            return true;
    return false;
}

RunResult RunHeadless(const TempApp& app, const std::string& script,
                      const std::vector<std::string>& args) {
    return RunHeadlessProgram(BuiltApp() / "dunspelt", app, script, args);
}

RunResult RunHeadlessProgram(const fs::path& program, const TempApp& app, const std::string& script,
                             const std::vector<std::string>& args) {
    const fs::path scriptFile = app.dir() / "script.txt";
    const fs::path traceFile = app.dir() / "trace.jsonl";
    const fs::path errFile = app.dir() / "stderr.txt";
    std::ofstream(scriptFile) << script;
    fs::remove(traceFile);
    std::string cmd = ShellQuote(program.string());
    cmd.append(" --headless --script ").append(ShellQuote(scriptFile.string()));
    cmd.append(" --trace ").append(ShellQuote(traceFile.string()));
    cmd.append(" --app-dir ").append(ShellQuote(app.dir().string()));
    for (const std::string& a : args) cmd.append(" ").append(ShellQuote(a));
    cmd.append(" 2>").append(ShellQuote(errFile.string()));
    int raw = std::system(cmd.c_str());
    RunResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    r.errors = ReadText(errFile);
    std::istringstream lines(ReadText(traceFile));
    for (std::string line; std::getline(lines, line);) r.trace.push_back({line});
    return r;
}

TestLevel FlatLevel(int width, int height, int floorRow) {
    TestLevel l{platform::Surface(width, height, platform::Rgb(90, 140, 200)),
                platform::Surface(width, height, 0xFFFFFF)};
    AddSolid(l, 0, floorRow, width, height - floorRow);
    return l;
}

void AddSolid(TestLevel& level, int x, int y, int w, int h) {
    level.mask.FillRect(x, y, w, h, 0);
    level.map.FillRect(x, y, w, h, platform::Rgb(110, 80, 40));
}

void AddGap(TestLevel& level, int x, int y, int w, int h) {
    level.mask.FillRect(x, y, w, h, 0xFFFFFF);
    level.map.FillRect(x, y, w, h, platform::Rgb(90, 140, 200));
}

}  // namespace testsupport
