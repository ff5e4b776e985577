// Placeholder pictures: exact sizes, the mask convention and the mirror relations.
#include <string>

#include "bakers.hpp"
#include "raster.hpp"

namespace baker {
namespace {

struct Sprite {
    Image picture, mask;
};

// An opaque body inset from the edges, in one colour, with its mask.
Sprite Box(int w, int h, uint32_t colour, int inset) {
    Sprite s{Image(w, h, 0), Image(w, h, 0xFFFFFF)};
    s.picture.FillRect(inset, inset, w - 2 * inset, h - inset, colour);
    s.mask.FillRect(inset, inset, w - 2 * inset, h - inset, 0);
    s.picture.FillRect(inset, inset, 4, 4, 0xFFFFFF);  // a mark that shows the facing
    return s;
}

}  // namespace

void BakePictures(const std::string&, const std::string& app) {
    const std::string dir = app + "/pics/";
    EnsureDirectory(dir);
    Sprite stand = Box(46, 65, 0x4A6B2A, 3), walk = Box(45, 65, 0x5A7B3A, 5);
    SaveBmp24(stand.picture, dir + "hugo1.bmp");
    SaveBmp24(walk.picture, dir + "hugo2.bmp");
    SaveBmp24(walk.picture, dir + "hugo3.bmp");
    SaveBmp24(stand.picture.MirroredHorizontally(), dir + "hugo4.bmp");
    SaveBmp24(walk.picture.MirroredHorizontally(), dir + "hugo5.bmp");
    SaveBmp24(walk.picture.MirroredHorizontally(), dir + "hugo6.bmp");
    SaveBmp24(stand.mask, dir + "hugo1m.bmp");
    SaveBmp24(walk.mask, dir + "hugo23m.bmp");
    SaveBmp24(stand.mask.MirroredHorizontally(), dir + "hugo4m.bmp");
    SaveBmp24(walk.mask.MirroredHorizontally(), dir + "hugo56m.bmp");
    struct Enemy {
        std::string name;
        int width;
        uint32_t colour;
    };
    for (const Enemy& en : {Enemy{"l1e", 63, 0x3C7A5A}, Enemy{"l2e", 77, 0x7A3C5A}}) {
        const std::string& name = en.name;
        Sprite e = Box(en.width, 64, en.colour, 2);
        SaveBmp24(e.picture, dir + name + ".bmp");
        SaveBmp24(e.picture.MirroredHorizontally(), dir + name + "1.bmp");
        SaveBmp24(e.mask, dir + name + "m.bmp");
        SaveBmp24(e.mask.MirroredHorizontally(), dir + name + "1m.bmp");
    }
    Sprite s1 = Box(30, 17, 0xC0E040, 2), s2 = Box(30, 30, 0xE060C0, 3);
    SaveBmp8(s1.picture, dir + "l1s.bmp");
    SaveBmp8(s1.mask, dir + "l1sm.bmp");
    SaveBmp24(s2.picture, dir + "l2s.bmp");
    SaveBmp24(s2.mask, dir + "l2sm.bmp");
    Image bullet(30, 10, 0);
    bullet.FillRect(20, 4, 10, 2, 0xFFE080);
    SaveBmp24(bullet, dir + "Bullet.bmp");
    SaveBmp24(Image(30, 10, 0), dir + "BulletMask.bmp");

    Image icon(32, 32, 0);
    icon.FillRect(8, 8, 16, 16, 0x808000);
    SaveIco16(icon, 0xFF00FF, dir + "icon.ico");
    SaveBmp24(Image(800, 600, 0), dir + "logo.bmp");
    SaveBmp24(Image(800, 600, 0), dir + "title.bmp");
    SavePng(Image(800, 600, 0), dir + "menu.png");
    SavePng(Image(464, 326, 0), dir + "options.png");
    struct Pair {
        const char* word;
        int w, h;
    };
    for (Pair p : {Pair{"start", 152, 86}, {"options", 152, 86}, {"about", 197, 163},
                   {"exit", 170, 123}, {"on", 197, 163}, {"off", 197, 163},
                   {"back", 233, 209}, {"menu", 233, 209}, {"continue", 149, 86}}) {
        Image normal(p.w, p.h, 0), hover(p.w, p.h, 0);
        normal.FillRect(p.w / 2 - 60, p.h / 2 - 20, 120, 40, 0xB08D3C);
        hover.FillRect(p.w / 2 - 60, p.h / 2 - 20, 120, 40, 0xC0C0C8);
        SavePng(normal, dir + "button_" + p.word + ".png");
        SavePng(hover, dir + "button_" + p.word + "_hover.png");
    }
}

}  // namespace baker
