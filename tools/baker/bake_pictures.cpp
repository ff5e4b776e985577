// Bakes every picture of the game from the text sources under resources/pictures into app/pics.
#include <stdexcept>
#include <string>

#include "bakers.hpp"
#include "picture_buttons.hpp"
#include "picture_screens.hpp"
#include "picture_sources.hpp"
#include "picture_sprites.hpp"
#include "raster.hpp"

namespace baker {
namespace {

void CheckSize(const Sprite& s, int width, int height, const std::string& name) {
    if (s.picture.width != width || s.picture.height != height)
        throw std::runtime_error(name + " must be " + std::to_string(width) + " x " +
                                 std::to_string(height));
}

void BakePlayer(const std::string& src, const Palette& palette, const std::string& dir) {
    const Sprite stand = PaintSprite(LoadPixelGrid(src + "hugo_stand.txt", palette), palette);
    const Sprite walk = PaintSprite(LoadPixelGrid(src + "hugo_walk.txt", palette), palette);
    CheckSize(stand, 46, 65, "hugo_stand");
    CheckSize(walk, 45, 65, "hugo_walk");
    const Sprite standLeft = Mirrored(stand), walkLeft = Mirrored(walk);
    SaveBmp24(stand.picture, dir + "hugo1.bmp");
    SaveBmp24(walk.picture, dir + "hugo2.bmp");
    SaveBmp24(walk.picture, dir + "hugo3.bmp");
    SaveBmp24(standLeft.picture, dir + "hugo4.bmp");
    SaveBmp24(walkLeft.picture, dir + "hugo5.bmp");
    SaveBmp24(walkLeft.picture, dir + "hugo6.bmp");
    SaveBmp24(stand.mask, dir + "hugo1m.bmp");
    SaveBmp24(walk.mask, dir + "hugo23m.bmp");
    SaveBmp24(standLeft.mask, dir + "hugo4m.bmp");
    SaveBmp24(walkLeft.mask, dir + "hugo56m.bmp");
}

// The grids face left; `name`1 is the right-facing mirror.
void BakeEnemy(const std::string& grid, const std::string& name, int width, const std::string& src,
               const Palette& palette, const std::string& dir) {
    Sprite enemy = PaintSprite(LoadPixelGrid(src + grid, palette), palette);
    CheckSize(enemy, width, 64, grid);
    AddSoftEdge(enemy);
    const Sprite other = Mirrored(enemy);
    SaveBmp24(enemy.picture, dir + name + ".bmp");
    SaveBmp24(other.picture, dir + name + "1.bmp");
    SaveBmp24(enemy.mask, dir + name + "m.bmp");
    SaveBmp24(other.mask, dir + name + "1m.bmp");
}

void BakeShots(const std::string& src, const Palette& palette, const std::string& dir) {
    const Sprite swamp = PaintSprite(LoadPixelGrid(src + "swamp_shot.txt", palette), palette);
    const Sprite cave = PaintSprite(LoadPixelGrid(src + "cave_shot.txt", palette), palette);
    const Sprite bullet = PaintSprite(LoadPixelGrid(src + "bullet.txt", palette), palette);
    CheckSize(swamp, 30, 17, "swamp_shot");
    CheckSize(cave, 30, 30, "cave_shot");
    CheckSize(bullet, 30, 10, "bullet");
    SaveBmp8(swamp.picture, dir + "l1s.bmp");
    SaveBmp8(swamp.mask, dir + "l1sm.bmp");
    SaveBmp24(cave.picture, dir + "l2s.bmp");
    SaveBmp24(cave.mask, dir + "l2sm.bmp");
    // The player's shot is drawn as a solid rectangle: its mask is black all over.
    SaveBmp24(bullet.picture, dir + "Bullet.bmp");
    SaveBmp24(Image(30, 10, kMaskOpaque), dir + "BulletMask.bmp");
}

void BakeButtons(const ScreenSources& s, const std::string& dir) {
    const auto& c = s.colours;
    const CartridgeLook brass{c.at("brass"), c.at("copper"), c.at("cartridge_rim").front(),
                              c.at("word_normal").front(), c.at("word_rim").front()};
    const CartridgeLook silver{c.at("silver"), c.at("steel"), c.at("cartridge_rim").front(),
                               c.at("word_hover").front(), c.at("word_rim").front()};
    struct Pair {
        const char* name;
        const char* word;
        int width, height;
    };
    for (Pair p : {Pair{"start", "START", 152, 86},
                   {"options", "OPTIONS", 152, 86},
                   {"about", "ABOUT", 197, 163},
                   {"exit", "EXIT", 170, 123},
                   {"on", "ON", 197, 163},
                   {"off", "OFF", 197, 163},
                   {"back", "BACK", 233, 209},
                   {"menu", "MENU", 233, 209},
                   {"continue", "CONTINUE", 149, 86}}) {
        const std::string base = dir + "button_" + p.name;
        SavePng(PaintButton(p.width, p.height, p.word, brass, s.font), base + ".png");
        SavePng(PaintButton(p.width, p.height, p.word, silver, s.font), base + "_hover.png");
    }
}

}  // namespace

void BakePictures(const std::string& resources, const std::string& app) {
    const std::string src = resources + "/pictures/", dir = app + "/pics/";
    EnsureDirectory(dir);
    const Palette palette = LoadPalette(src + "palette.txt");
    BakePlayer(src, palette, dir);
    BakeEnemy("swamp_creature.txt", "l1e", 63, src, palette, dir);
    BakeEnemy("cave_crawler.txt", "l2e", 77, src, palette, dir);
    BakeShots(src, palette, dir);

    const ScreenSources screens{LoadPixelFont(src + "font.txt"),
                                LoadColourSets(src + "screens.txt"), palette,
                                LoadPixelGrid(src + "emblem.txt", palette)};
    constexpr uint32_t kIconClear = 0xFF00FF;  // not in the palette
    SaveIco16(PaintIcon(screens, kIconClear), kIconClear, dir + "icon.ico");
    SaveBmp24(PaintLogo(screens), dir + "logo.bmp");
    SaveBmp24(PaintTitle(screens), dir + "title.bmp");
    SavePng(PaintMenuBackground(screens), dir + "menu.png");
    SavePng(PaintOptionsBackground(screens), dir + "options.png");
    BakeButtons(screens, dir);
}

}  // namespace baker
