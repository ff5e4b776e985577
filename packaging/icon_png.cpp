// Turns the baked window icon (pics/icon.ico) into the PNG a desktop menu shows.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: dunspelt-icon-png ICON.ico OUT.png\n");
        return 2;
    }
    SDL_Surface* icon = IMG_Load(argv[1]);
    if (!icon) {
        std::fprintf(stderr, "dunspelt-icon-png: cannot read %s: %s\n", argv[1], IMG_GetError());
        return 1;
    }
    const bool ok = icon->w == 32 && icon->h == 32 && IMG_SavePNG(icon, argv[2]) == 0;
    if (!ok)
        std::fprintf(stderr, "dunspelt-icon-png: cannot write a 32x32 %s from %s\n", argv[2],
                     argv[1]);
    SDL_FreeSurface(icon);
    return ok ? 0 : 1;
}
