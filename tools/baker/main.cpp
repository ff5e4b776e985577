// dunspelt-baker RESOURCES_DIR APP_DIR: writes every picture, level and music file of the game.
#include <SDL.h>

#include <cstdio>
#include <exception>

#include "bakers.hpp"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: dunspelt-baker RESOURCES_DIR APP_DIR\n");
        return 2;
    }
    try {
        baker::BakePictures(argv[1], argv[2]);
        baker::BakeLevels(argv[1], argv[2]);
        baker::BakeMusic(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dunspelt-baker: %s\n", e.what());
        return 1;
    }
    return 0;
}
