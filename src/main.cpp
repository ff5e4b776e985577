// dunspelt: parses the options and starts the application.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "level/level_table.hpp"
#include "platform/core/display_geometry.hpp"
#include "platform/run/runner.hpp"
#include "platform/settings/game_settings.hpp"
#include "screens/startup.hpp"

namespace {

const char kUsage[] =
    "usage: dunspelt [options]\n"
    "  --headless       run without a display or audio device, on a virtual clock\n"
    "  --script FILE    headless: play the input commands in FILE (wait, keys, clicks...)\n"
    "  --trace FILE     write a JSON Lines trace: every tick's state and every screen event\n"
    "  --record FILE    save every input as a script that replays this game\n"
    "  --replay FILE    watch a recording in the windows at real speed (headless: --script)\n"
    "  --warp N         skip the intro and menu and start at level N\n"
    "  --app-dir DIR    the folder with pics/, maps/ and muz/ (default: the executable's)\n"
    "  --stats          print pacing figures (tick rate, intervals, work, CPU) at the end\n"
    "  --settings FILE  read and write this settings file (default ~/.config/dunspelt/)\n"
    "  --scale auto|N   window scale for this run: auto, or 1 to 8 in steps of 0.5\n"
    "  --fullscreen     start in borderless fullscreen for this run (F11 toggles)\n"
    "  --windowed       start in a window for this run\n"
    "  --help           print this help\n"
    "  --version        print the version\n";

// The application folder: the executable's own (a build or a copied folder), or else the data
// folder of an installation (/usr/games/dunspelt reads /usr/share/games/dunspelt).
std::string DefaultAppFolder(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = std::filesystem::absolute(argv0, ec);
    const std::filesystem::path folder = self.parent_path();
#ifdef DUNSPELT_DATA_FROM_BIN
    const std::filesystem::path installed = folder / DUNSPELT_DATA_FROM_BIN;
    if (!std::filesystem::is_directory(folder / "pics", ec) &&
        std::filesystem::is_directory(installed / "pics", ec))
        return installed.lexically_normal().string();
#endif
    return folder.string();
}

}  // namespace

int main(int argc, char** argv) {
    platform::RunOptions options;
    int warp = 0;
    std::optional<std::string> settingsFile;
    // Display choices on the command line win over the settings file for this run only.
    std::optional<std::string> scale, fullscreen;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* name) -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "dunspelt: %s needs a value\n%s", name, kUsage);
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--version") {
            std::printf("dunspelt %s\n", DUNSPELT_VERSION);
            return 0;
        } else if (arg == "--stats") {
            options.stats = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--script") {
            options.script = value("--script");
        } else if (arg == "--record") {
            options.record = value("--record");
        } else if (arg == "--replay") {
            options.replay = value("--replay");
        } else if (arg == "--trace") {
            options.trace = value("--trace");
        } else if (arg == "--settings") {
            settingsFile = value("--settings");
        } else if (arg == "--scale") {
            scale = value("--scale");
            if (!platform::display::IsScaleText(*scale)) {
                std::fprintf(stderr, "dunspelt: --scale takes auto or 1 to 8 in steps of 0.5\n");
                return 2;
            }
        } else if (arg == "--fullscreen") {
            fullscreen = "true";
        } else if (arg == "--windowed") {
            fullscreen = "false";
        } else if (arg == "--app-dir") {
            options.appDir = value("--app-dir");
        } else if (arg == "--warp") {
            const std::string w = value("--warp");
            const size_t levels = game::Levels().size();
            if (w.empty() || w.size() > 3 || w.find_first_not_of("0123456789") != w.npos ||
                std::stoul(w) < 1 || std::stoul(w) > levels) {
                std::fprintf(stderr, "dunspelt: --warp takes a level number from 1 to %zu\n",
                             levels);
                return 2;
            }
            warp = std::stoi(w);
        } else {
            std::fprintf(stderr, "dunspelt: unknown option %s\n%s", arg.c_str(), kUsage);
            return 2;
        }
    }
    if (!options.script.empty() && !options.headless) {
        std::fprintf(stderr, "dunspelt: --script needs --headless\n");
        return 2;
    }
    if (!options.replay.empty() && options.headless) {
        std::fprintf(stderr, "dunspelt: --replay plays in the windows; headless, use --script\n");
        return 2;
    }
    // Headless, the script is the only input: without one there is nothing to play.
    if (options.headless && options.script.empty()) {
        std::fprintf(stderr, "dunspelt: --headless needs --script FILE (the input to play)\n");
        return 2;
    }
    if (warp != 0)
        options.recordNotes.push_back("started with --warp " + std::to_string(warp) +
                                      ": replay it with --warp " + std::to_string(warp) + " too");
    platform::LoadGameSettings(platform::SettingsPath(options.headless, settingsFile));
    if (scale)
        platform::GameSettings().Override("display", "scale", *scale);
    if (fullscreen)
        platform::GameSettings().Override("display", "fullscreen", *fullscreen);
    if (options.appDir.empty())
        options.appDir = DefaultAppFolder(argv[0]);
    while (options.appDir.size() > 1 && options.appDir.back() == '/') options.appDir.pop_back();
    return game::RunGame(options, warp);
}
