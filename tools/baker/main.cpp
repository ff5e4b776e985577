// dunspelt-baker RESOURCES_DIR APP_DIR: writes every picture, level and music file of the game.
// dunspelt-baker --level-table LEVELS_DIR OUT_FILE: writes the game's table of level facts.
// dunspelt-baker --web-music WAV_DIR OUT_DIR: the baked music as Ogg Vorbis, for the web build.
#include <SDL.h>

#include <cstdio>
#include <exception>

#include <string>

#include "bakers.hpp"
#include "level_table.hpp"

int main(int argc, char** argv) {
    const bool table = argc == 4 && std::string(argv[1]) == "--level-table";
    const bool webMusic = argc == 4 && std::string(argv[1]) == "--web-music";
    if (argc != 3 && !table && !webMusic) {
        std::fprintf(stderr,
                     "usage: dunspelt-baker RESOURCES_DIR APP_DIR\n"
                     "       dunspelt-baker --level-table LEVELS_DIR OUT_FILE\n"
                     "       dunspelt-baker --web-music WAV_DIR OUT_DIR\n");
        return 2;
    }
    try {
        if (table) {
            baker::WriteLevelTable(argv[2], argv[3]);
            return 0;
        }
        if (webMusic) {
            baker::BakeWebMusic(argv[2], argv[3]);
            return 0;
        }
        baker::BakePictures(argv[1], argv[2]);
        baker::BakeLevels(argv[1], argv[2]);
        baker::BakeMusic(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dunspelt-baker: %s\n", e.what());
        return 1;
    }
    return 0;
}
