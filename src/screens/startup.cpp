#include "screens/startup.hpp"

#include <cstdio>

#include "assets/frm_pics.hpp"
#include "assets/game_pictures.hpp"
#include "level/level_memory.hpp"
#include "platform/core/app_folder.hpp"
#include "platform/core/message_box.hpp"
#include "platform/forms/app.hpp"
#include "platform/input/input_router.hpp"
#include "screens/about.hpp"
#include "screens/aik.hpp"
#include "screens/intro.hpp"
#include "screens/izvelne.hpp"
#include "screens/lose.hpp"
#include "screens/options.hpp"
#include "screens/win.hpp"
#include "world/game_window.hpp"

namespace game {

void CreateAllForms() {
    FrmMain();
    FrmPics();
    intro();
    izvelne();
    options();
    about();
    aik();
    win();
    lose();
    // Pause holds this window's timer.
    platform::Input(platform::App::Get()).SetPlayWindow(&FrmMain(), &FrmMain().GameTimer);
}

std::string PrepareGame() {
    return CheckGamePictures();
}

// A warp presses the buttons without their screens being open: the menu's start button (its
// unload finds nothing to close), then the between-levels next-level button once for every
// level after the first up to the one asked for. The
// menu never loaded, so the sound option keeps its starting value, off.
void StartProgram(int warp) {
    if (warp == 0) {
        // The intro gives ten quiet seconds to get the first level's memory ready.
        WarmLevelMemory(platform::AppFilePath("\\maps\\"));
        intro().Show();
        return;
    }
    izvelne().Command1_Click();
    for (int level = 2; level <= warp; ++level) aik().Command1_Click();
}

int RunGame(platform::RunOptions options, int warp) {
    platform::SetAppFolder(options.appDir);
    CreateAllForms();
    if (std::string problem = PrepareGame(); !problem.empty()) {
        const std::string text = "cannot start: " + problem;
        std::fprintf(stderr, "dunspelt: %s\n", text.c_str());
        // A player who started the game from the desktop menu sees no terminal.
        if (!options.headless)
            platform::ShowErrorBoxIfDisplay("DUNSPELT", text);
        return 1;
    }
    options.windowIcon = GamePicture("icon.ico");
    return platform::RunApplication(options, [warp] { StartProgram(warp); });
}

}  // namespace game
