#include "screens/startup.hpp"

#include <cstdio>

#include "assets/frm_pics.hpp"
#include "assets/game_pictures.hpp"
#include "core/frm_main.hpp"
#include "platform/app.hpp"
#include "screens/game_start.hpp"

namespace game {

void CreateAllForms() {
    FrmMain();
    FrmPics();
}

std::string PrepareGame() {
    std::string problem = CheckGamePictures();
    if (!problem.empty())
        return problem;
    platform::App::Get().SetWindowIcon(GamePicture("icon.ico"));
    return {};
}

void StartProgram(int warp) {
    if (warp >= 1)
        StartNewGame();
    if (warp >= 2)
        StartLevel2();
    if (warp == 0)
        StartNewGame();
}

int RunGame(const platform::RunOptions& options, int warp) {
    platform::App::Get().SetPath(options.appDir);
    CreateAllForms();
    if (std::string problem = PrepareGame(); !problem.empty()) {
        std::fprintf(stderr, "dunspelt: cannot start: %s\n", problem.c_str());
        return 1;
    }
    return platform::RunApplication(options, [warp] { StartProgram(warp); });
}

}  // namespace game
