// The soak run: one headless game process plays a million ticks of random input starting on
// level 2, while this driver reads its trace through a pipe and samples its resident memory.
// Passes when memory after warm-up stays within 1 MB and no run-time error was reported.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Options {
    int64_t ticks = 1000000;
    uint32_t seed = 20240601;
    int64_t limitKb = 1024;
    std::string appDir = DUNSPELT_APP_DIR;
};

// Random play: presses of every game key but Escape (which would end the run), held for a
// random time. Walking right is kept shorter than walking left, so the player stays near the
// start of level 2 instead of running into its pits; jumps and shots go on all the time. The
// way out of an end screen back into a new game is in the script now and then all the same.
std::string RandomPlay(const Options& o) {
    const char* keys[] = {"Left", "Right", "Up", "Down", "Space", "Ctrl"};
    std::mt19937 rng(o.seed);
    auto pick = [&](int n) { return int(rng() % uint32_t(n)); };
    std::ostringstream s;
    // Enough virtual time for the ticks wanted, with room for the screens between games.
    const int64_t totalMs = o.ticks * 10 * 2;
    for (int64_t ms = 0; ms < totalMs;) {
        const int k = pick(6);
        const int hold = k == 1 ? 10 + pick(60) : 10 + pick(400);
        s << "keydown " << keys[k] << "\nwait " << hold << "\nkeyup " << keys[k] << "\n";
        const int gap = pick(100);
        s << "wait " << gap << "\n";
        ms += hold + gap;
        if (pick(50) == 0) {
            // Only acts on a screen that is open: defeat or victory back to the menu, then a
            // new game from the menu, or on to level 2 from the between-levels screen.
            s << "click lose Command1\nclick win Command1\nclick izvelne Command1\n"
                 "click aik Command1\n";
        }
    }
    return s.str();
}

int64_t ResidentKb(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtoll(line.c_str() + 6, nullptr, 10);
    return -1;
}

bool Contains(const std::string& line, const char* text) {
    return line.find(text) != std::string::npos;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: dunspelt-soak [--ticks N] [--seed S] [--limit-kb K] [--app-dir DIR]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc)
            return Usage();
        if (a == "--ticks")
            o.ticks = std::atoll(argv[++i]);
        else if (a == "--seed")
            o.seed = uint32_t(std::atoll(argv[++i]));
        else if (a == "--limit-kb")
            o.limitKb = std::atoll(argv[++i]);
        else if (a == "--app-dir")
            o.appDir = argv[++i];
        else
            return Usage();
    }
    if (o.ticks < 1000)
        return Usage();

    const fs::path work = fs::temp_directory_path() / ("dunspelt-soak-" + std::to_string(getpid()));
    fs::create_directories(work);
    const fs::path script = work / "script.txt", trace = work / "trace.pipe";
    std::ofstream(script) << RandomPlay(o);
    if (mkfifo(trace.c_str(), 0600) != 0) {
        std::perror("dunspelt-soak: mkfifo");
        return 1;
    }
    const std::string game = o.appDir + "/dunspelt";
    const pid_t child = fork();
    if (child == 0) {
        execl(game.c_str(), game.c_str(), "--headless", "--warp", "2", "--script", script.c_str(),
              "--trace", trace.c_str(), "--app-dir", o.appDir.c_str(), static_cast<char*>(nullptr));
        std::perror("dunspelt-soak: exec");
        _exit(127);
    }

    std::ifstream lines(trace);
    const int64_t warmUp = o.ticks / 10, every = std::max<int64_t>(o.ticks / 200, 1);
    int64_t ticks = 0, levelTwoTicks = 0, games = 0, errors = 0;
    std::vector<int64_t> samples;  // resident kB after warm-up, one per `every` ticks
    int64_t atWarmUp = -1;
    for (std::string line; ticks < o.ticks && std::getline(lines, line);) {
        if (Contains(line, "\"event\":\"error\"")) {
            ++errors;
            std::fprintf(stderr, "dunspelt-soak: %s\n", line.c_str());
        }
        if (Contains(line, "\"event\":\"load\"") && Contains(line, "\"form\":\"FrmMain\""))
            ++games;
        if (!Contains(line, "\"tick\":"))
            continue;
        ++ticks;
        if (Contains(line, "LEVEL 2"))
            ++levelTwoTicks;
        if (ticks == warmUp)
            atWarmUp = ResidentKb(child);
        if (ticks > warmUp && ticks % every == 0)
            samples.push_back(ResidentKb(child));
    }
    const int64_t final = ResidentKb(child);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    fs::remove_all(work);

    if (samples.empty()) {
        std::fprintf(stderr, "dunspelt-soak: the game ended after %lld ticks\n", (long long)ticks);
        return 1;
    }
    const auto [lo, hi] = std::minmax_element(samples.begin(), samples.end());
    std::printf(
        "dunspelt-soak: %lld ticks (%lld on level 2), %lld game windows loaded, %lld errors\n"
        "resident memory: %lld kB at warm-up (tick %lld), then min %lld kB, max %lld kB, "
        "last %lld kB over %zu samples: range %lld kB (limit %lld kB)\n",
        (long long)ticks, (long long)levelTwoTicks, (long long)games, (long long)errors,
        (long long)atWarmUp, (long long)warmUp, (long long)*lo, (long long)*hi, (long long) final,
        samples.size(), (long long)(*hi - *lo), (long long)o.limitKb);
    const bool flat = *hi - *lo <= o.limitKb;
    if (!flat)
        std::printf("dunspelt-soak: resident memory grew\n");
    return flat && errors == 0 && ticks >= o.ticks ? 0 : 1;
}
