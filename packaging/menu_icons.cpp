// Turns the baked 32x32 window icon (pics/icon.ico) into the menu's PNG icons, one per size under
// OUTDIR/<size>x<size>/apps/NAME.png. Each pixel is the source pixel it falls on (nearest
// neighbour), so the pixel art stays crisp at every size.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

SDL_Surface* Scaled(SDL_Surface* source, int size) {
    SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!out)
        return nullptr;
    for (int y = 0; y < size; ++y) {
        const auto* from = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(source->pixels) + (y * source->h / size) * source->pitch);
        auto* to = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(out->pixels) + y * out->pitch);
        for (int x = 0; x < size; ++x) to[x] = from[x * source->w / size];
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: dunspelt-menu-icons ICON.ico OUTDIR NAME SIZE...\n");
        return 2;
    }
    SDL_Surface* loaded = IMG_Load(argv[1]);
    if (!loaded || loaded->w != 32 || loaded->h != 32) {
        std::fprintf(stderr, "dunspelt-menu-icons: %s is not a readable 32x32 icon\n", argv[1]);
        return 1;
    }
    SDL_Surface* source = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    int status = source ? 0 : 1;
    for (int i = 4; i < argc && status == 0; ++i) {
        const int size = std::atoi(argv[i]);
        const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(argv[2]) / sizeName / "apps";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        const std::string file = (folder / (std::string(argv[3]) + ".png")).string();
        SDL_Surface* icon = size > 0 ? Scaled(source, size) : nullptr;
        if (!icon || IMG_SavePNG(icon, file.c_str()) != 0) {
            std::fprintf(stderr, "dunspelt-menu-icons: cannot write %s\n", file.c_str());
            status = 1;
        }
        SDL_FreeSurface(icon);
    }
    SDL_FreeSurface(source);
    return status;
}
