// dunspelt-grid-caches APP_DIR: writes each level's collision-grid cache (".DAT") beside its
// map and mask in APP_DIR/maps/, as the game does when it starts a level without one. The web
// build ships these caches, so that no mask scan runs in the page.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "level/level_resources.hpp"
#include "level/level_table.hpp"
#include "platform/core/app_folder.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/headless_frontend.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dunspelt-grid-caches APP_DIR\n");
        return 2;
    }
    // The level pictures are read as the game reads them, from its application folder.
    platform::App& app = platform::App::Get();
    app.SetFrontend(std::make_unique<platform::HeadlessFrontend>());
    platform::SetAppFolder(argv[1]);
    const std::string folder = platform::AppFilePath("\\maps\\");
    try {
        for (const game::LevelFacts& level : game::Levels()) {
            const std::string cache = folder + level.baseName + ".DAT";
            std::remove(cache.c_str());  // a stale cache would be kept, not rebuilt
            game::LoadLevelResources(folder, level.baseName);
            if (game::FileExists(cache) != -1) {
                std::fprintf(stderr, "dunspelt-grid-caches: could not write %s\n", cache.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dunspelt-grid-caches: %s\n", e.what());
        return 1;
    }
    return 0;
}
