// Checks the baked pictures against the rules the game's drawing relies on: sizes, the mask
// convention, the mirror pairs, and button art that fits inside every button that shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "assets/baked_picture_reader.hpp"

namespace {

using test_pictures::BakedPicture;

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000;

BakedPicture Read(const std::string& name) {
    return test_pictures::ReadBakedPicture(std::string(DUNSPELT_APP_DIR) + "/pics/" + name);
}

BakedPicture Mirror(const BakedPicture& p) {
    BakedPicture m = p;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            m.pixels[size_t(y) * p.width + x] = p.at(p.width - 1 - x, y);
    return m;
}

struct Expected {
    const char* file;
    int width, height;
};

TEST(BakedPictures, EveryPictureHasItsSize) {
    const Expected all[] = {
        {"hugo1.bmp", 46, 65},   {"hugo2.bmp", 45, 65},     {"hugo3.bmp", 45, 65},
        {"hugo4.bmp", 46, 65},   {"hugo5.bmp", 45, 65},     {"hugo6.bmp", 45, 65},
        {"hugo1m.bmp", 46, 65},  {"hugo23m.bmp", 45, 65},   {"hugo4m.bmp", 46, 65},
        {"hugo56m.bmp", 45, 65}, {"l1e.bmp", 63, 64},       {"l1e1.bmp", 63, 64},
        {"l1em.bmp", 63, 64},    {"l1e1m.bmp", 63, 64},     {"l1s.bmp", 30, 17},
        {"l1sm.bmp", 30, 17},    {"l2e.bmp", 77, 64},       {"l2e1.bmp", 77, 64},
        {"l2em.bmp", 77, 64},    {"l2e1m.bmp", 77, 64},     {"l2s.bmp", 30, 30},
        {"l2sm.bmp", 30, 30},    {"Bullet.bmp", 30, 10},    {"BulletMask.bmp", 30, 10},
        {"icon.ico", 32, 32},    {"logo.bmp", 800, 600},    {"title.bmp", 800, 600},
        {"menu.png", 800, 600},  {"options.png", 464, 326},
    };
    for (const Expected& e : all) {
        const BakedPicture p = Read(e.file);
        EXPECT_EQ(p.width, e.width) << e.file;
        EXPECT_EQ(p.height, e.height) << e.file;
    }
}

TEST(BakedPictures, StoredDepths) {
    EXPECT_EQ(Read("l1s.bmp").bitsPerPixel, 8);
    EXPECT_EQ(Read("l1sm.bmp").bitsPerPixel, 8);
    for (const char* f : {"hugo1.bmp", "hugo23m.bmp", "l1e.bmp", "l2em.bmp", "l2s.bmp",
                          "Bullet.bmp", "BulletMask.bmp", "logo.bmp", "title.bmp"})
        EXPECT_EQ(Read(f).bitsPerPixel, 24) << f;
}

// Sprite black wherever its mask is white; the mask holds both a figure and a clear area.
void ExpectMaskConvention(const char* spriteFile, const char* maskFile, bool strict) {
    const BakedPicture sprite = Read(spriteFile), mask = Read(maskFile);
    ASSERT_EQ(sprite.width, mask.width) << spriteFile;
    ASSERT_EQ(sprite.height, mask.height) << spriteFile;
    int clear = 0, opaque = 0, grey = 0;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            const uint32_t m = mask.at(x, y);
            if (m == kWhite) {
                ++clear;
                EXPECT_EQ(sprite.at(x, y), kBlack) << spriteFile << " at " << x << "," << y;
            } else if (m == kBlack) {
                ++opaque;
            } else {
                ++grey;
                const uint8_t r = uint8_t(m >> 16), g = uint8_t(m >> 8), b = uint8_t(m);
                EXPECT_TRUE(r == g && g == b) << maskFile << " has a coloured pixel";
            }
        }
    EXPECT_GT(clear, 0) << maskFile;
    EXPECT_GT(opaque, 0) << maskFile;
    if (strict)
        EXPECT_EQ(grey, 0) << maskFile << " must be black and white only";
    else
        EXPECT_GT(grey, 0) << maskFile << " should blend along the figure's edge";
}

TEST(BakedPictures, PlayerMasksAreStrictBlackAndWhite) {
    ExpectMaskConvention("hugo1.bmp", "hugo1m.bmp", true);
    ExpectMaskConvention("hugo2.bmp", "hugo23m.bmp", true);
    ExpectMaskConvention("hugo3.bmp", "hugo23m.bmp", true);
    ExpectMaskConvention("hugo4.bmp", "hugo4m.bmp", true);
    ExpectMaskConvention("hugo5.bmp", "hugo56m.bmp", true);
    ExpectMaskConvention("hugo6.bmp", "hugo56m.bmp", true);
}

TEST(BakedPictures, ShotMasksAreStrictBlackAndWhite) {
    ExpectMaskConvention("l1s.bmp", "l1sm.bmp", true);
    ExpectMaskConvention("l2s.bmp", "l2sm.bmp", true);
}

TEST(BakedPictures, EnemyMasksBlendAlongTheEdge) {
    ExpectMaskConvention("l1e.bmp", "l1em.bmp", false);
    ExpectMaskConvention("l1e1.bmp", "l1e1m.bmp", false);
    ExpectMaskConvention("l2e.bmp", "l2em.bmp", false);
    ExpectMaskConvention("l2e1.bmp", "l2e1m.bmp", false);
}

std::set<uint32_t> SpritePalette() {
    std::set<uint32_t> colours;
    std::ifstream in(std::string(DUNSPELT_SOURCE_DIR) + "/resources/pictures/palette.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string key, hex;
        if (fields >> key >> hex && key.size() == 1 && hex.size() == 7 && hex[0] == '#')
            colours.insert(uint32_t(std::stoul(hex.substr(1), nullptr, 16)));
    }
    return colours;
}

// Catches swapped red and blue channels, which the masks alone would never show.
TEST(BakedPictures, OpaqueSpritePixelsKeepTheirPaletteColours) {
    const std::set<uint32_t> palette = SpritePalette();
    ASSERT_GT(palette.size(), 16u);
    for (const auto& [spriteFile, maskFile] :
         {std::pair{"hugo1.bmp", "hugo1m.bmp"}, std::pair{"l1e.bmp", "l1em.bmp"},
          std::pair{"l2e.bmp", "l2em.bmp"}, std::pair{"l1s.bmp", "l1sm.bmp"}}) {
        const BakedPicture sprite = Read(spriteFile), mask = Read(maskFile);
        ASSERT_EQ(sprite.pixels.size(), mask.pixels.size()) << spriteFile;
        for (size_t i = 0; i < sprite.pixels.size(); ++i)
            if (mask.pixels[i] == kBlack) {
                ASSERT_TRUE(palette.count(sprite.pixels[i])) << spriteFile << " pixel " << i;
            }
    }
}

TEST(BakedPictures, PlayerShotIsOpaqueAllOverAndLit) {
    const BakedPicture mask = Read("BulletMask.bmp"), bullet = Read("Bullet.bmp");
    ASSERT_EQ(mask.pixels.size(), size_t(30 * 10));
    EXPECT_TRUE(std::all_of(mask.pixels.begin(), mask.pixels.end(),
                            [](uint32_t c) { return c == kBlack; }));
    // The whole box is drawn, so a black pixel would show as a hole in the tracer.
    EXPECT_TRUE(std::all_of(bullet.pixels.begin(), bullet.pixels.end(),
                            [](uint32_t c) { return c != kBlack; }));
}

TEST(BakedPictures, MirrorPairsArePixelExact) {
    const std::pair<const char*, const char*> pairs[] = {
        {"hugo1.bmp", "hugo4.bmp"},     {"hugo2.bmp", "hugo5.bmp"}, {"hugo1m.bmp", "hugo4m.bmp"},
        {"hugo23m.bmp", "hugo56m.bmp"}, {"l1e.bmp", "l1e1.bmp"},    {"l1em.bmp", "l1e1m.bmp"},
        {"l2e.bmp", "l2e1.bmp"},        {"l2em.bmp", "l2e1m.bmp"},
    };
    for (const auto& [a, b] : pairs) {
        const BakedPicture first = Read(a), second = Read(b);
        ASSERT_FALSE(first.pixels.empty()) << a;
        EXPECT_EQ(Mirror(first).pixels, second.pixels) << b << " is not the mirror of " << a;
        EXPECT_NE(first.pixels, second.pixels) << a << " should not be symmetric";
    }
}

TEST(BakedPictures, RepeatedWalkFramesAreIdentical) {
    EXPECT_EQ(Read("hugo2.bmp").pixels, Read("hugo3.bmp").pixels);
    EXPECT_EQ(Read("hugo5.bmp").pixels, Read("hugo6.bmp").pixels);
}

TEST(BakedPictures, WalkingLegsDifferFromStanding) {
    const BakedPicture stand = Read("hugo1m.bmp"), walk = Read("hugo23m.bmp");
    ASSERT_EQ(stand.height, walk.height);
    int differing = 0;
    for (int y = 50; y < stand.height; ++y)
        for (int x = 0; x < walk.width; ++x) differing += stand.at(x, y) != walk.at(x, y);
    EXPECT_GT(differing, 40);
}

// The shot leaves the player at the right edge, rows 33 to 42 of the right-facing frames.
TEST(BakedPictures, RifleMuzzleMeetsTheShot) {
    for (const char* f : {"hugo1m.bmp", "hugo23m.bmp"}) {
        const BakedPicture mask = Read(f);
        bool muzzle = false;
        for (int y = 33; y <= 42; ++y)
            for (int x = mask.width - 3; x < mask.width; ++x)
                muzzle = muzzle || mask.at(x, y) == kBlack;
        EXPECT_TRUE(muzzle) << f;
    }
}

struct ButtonArt {
    const char* name;
    int width, height;
    int shownWidth, shownHeight;  // the least any of its buttons shows, centred
};

bool InsideShownArea(const ButtonArt& b, int x, int y) {
    const int w = std::min(b.width, b.shownWidth), h = std::min(b.height, b.shownHeight);
    const int left = (b.width - w) / 2, top = (b.height - h) / 2;
    return x >= left && x < left + w && y >= top && y < top + h;
}

TEST(BakedPictures, ButtonArtFitsEveryButtonThatShowsIt) {
    const ButtonArt all[] = {
        {"start", 152, 86, 169, 97}, {"options", 152, 86, 169, 97}, {"about", 197, 163, 169, 97},
        {"exit", 170, 123, 169, 73}, {"on", 197, 163, 169, 89},     {"off", 197, 163, 169, 89},
        {"back", 233, 209, 169, 89}, {"menu", 233, 209, 177, 73},   {"continue", 149, 86, 209, 81},
    };
    for (const ButtonArt& b : all) {
        const std::string base = std::string("button_") + b.name;
        const BakedPicture normal = Read(base + ".png"), hover = Read(base + "_hover.png");
        ASSERT_EQ(normal.width, b.width) << base;
        ASSERT_EQ(normal.height, b.height) << base;
        ASSERT_EQ(hover.width, b.width) << base;
        ASSERT_EQ(hover.height, b.height) << base;
        EXPECT_NE(normal.pixels, hover.pixels) << base << ": hover looks the same";
        for (const BakedPicture* p : {&normal, &hover}) {
            int drawn = 0, clipped = 0;
            for (int y = 0; y < b.height; ++y)
                for (int x = 0; x < b.width; ++x)
                    if (p->at(x, y) != kBlack)
                        (InsideShownArea(b, x, y) ? drawn : clipped)++;
            EXPECT_GT(drawn, 0) << base;
            EXPECT_EQ(clipped, 0) << base << ": art reaches outside the button";
        }
    }
}

// Counts pixels of `colour` inside the rectangle [x0, x1) x [y0, y1).
int CountIn(const BakedPicture& p, int x0, int y0, int x1, int y1, uint32_t colour) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += p.at(x, y) == colour;
    return n;
}

TEST(BakedPictures, BackgroundsKeepTheButtonAreasBlack) {
    const BakedPicture menu = Read("menu.png"), options = Read("options.png");
    ASSERT_EQ(menu.width, 800);
    ASSERT_EQ(options.width, 464);
    EXPECT_EQ(CountIn(menu, 312, 120, 481, 553, kBlack), (481 - 312) * (553 - 120));
    EXPECT_GT(CountIn(menu, 200, 0, 600, 120, kWhite), 0) << "name missing at the top";
    EXPECT_EQ(CountIn(options, 56, 96, 401, 289, kBlack), (401 - 56) * (289 - 96));
    EXPECT_GT(CountIn(options, 132, 0, 332, 96, kWhite), 0) << "SOUND missing at the top";
}

TEST(BakedPictures, IntroPicturesShowSomethingOnBlack) {
    for (const char* f : {"logo.bmp", "title.bmp"}) {
        const BakedPicture p = Read(f);
        ASSERT_EQ(p.width, 800) << f;
        EXPECT_EQ(p.at(0, 0), kBlack) << f;
        EXPECT_GT(800 * 600 - CountIn(p, 0, 0, 800, 600, kBlack), 1000) << f;
    }
    EXPECT_GT(CountIn(Read("title.bmp"), 0, 0, 800, 600, kWhite), 1000);
}

}  // namespace
