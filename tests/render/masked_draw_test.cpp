// The game's drawing primitives on the window's own surfaces: masked sprites with clipping,
// the map copy under the camera and the present.
#include <gtest/gtest.h>

#include "render/blit.hpp"
#include "support/in_process_game.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

using namespace game;
using platform::Rgb;
using platform::Surface;

namespace {

using BlitFn = void (*)(i32, i32, i16, i16, const Surface&, const Surface&);
constexpr BlitFn kSpriteRoutines[] = {BlitPlayerSprite, BlitShotSprite, BlitEnemySprite};

uint32_t Backdrop(int x, int y) {
    return Rgb(x & 0xFF, y & 0xFF, 0x80 | ((x + y) & 0x7F));
}

class MaskedDraw : public leveltest::InProcessGame {
  protected:
    void SetUp() override {
        InProcessGame::SetUp();
        FrmMain().Load();
        Paint(back());
        // A 12 x 8 sprite: opaque in a 6 x 4 block with a hole, transparent elsewhere.
        sprite_ = Surface(12, 8, 0);
        mask_ = Surface(12, 8, 0xFFFFFF);
        for (int y = 2; y < 6; ++y)
            for (int x = 3; x < 9; ++x)
                if (!(x == 5 && y == 3)) {
                    sprite_.Set(x, y, Rgb(200, 30 + x, 40 + y));
                    mask_.Set(x, y, 0);
                }
    }
    static void Paint(Surface& s) {
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x) s.Set(x, y, Backdrop(x, y));
    }
    Surface& back() { return FrmMain().BackBuffer.Hdc(); }
    // The drawn result worked out pixel by pixel from the mask convention.
    Surface Expected(int px, int py, int w, int h) const {
        Surface e(796, 546);
        Paint(e);
        for (int y = 0; y < e.height(); ++y)
            for (int x = 0; x < e.width(); ++x) {
                const int sx = x - px, sy = y - py;
                if (sx < 0 || sy < 0 || sx >= w || sy >= h || sx >= 12 || sy >= 8)
                    continue;
                e.Set(x, y, (e.At(x, y) & mask_.At(sx, sy)) | sprite_.At(sx, sy));
            }
        return e;
    }

    Surface sprite_, mask_;
};

}  // namespace

TEST_F(MaskedDraw, WhiteMaskAndBlackSpriteLeaveTheBackgroundExactly) {
    const Surface before = back();
    const Surface clearSprite(12, 8, 0), clearMask(12, 8, 0xFFFFFF);
    for (BlitFn blit : kSpriteRoutines) blit(100, 100, 12, 8, clearSprite, clearMask);
    EXPECT_TRUE(back() == before);
}

TEST_F(MaskedDraw, OpaquePixelsTakeTheSpriteColourAndRepeatingChangesNothing) {
    for (BlitFn blit : kSpriteRoutines) {
        Paint(back());
        blit(40, 30, 12, 8, sprite_, mask_);
        blit(40, 30, 12, 8, sprite_, mask_);
        EXPECT_TRUE(back() == Expected(40, 30, 12, 8));
        EXPECT_EQ(back().At(43, 32), sprite_.At(3, 2));
        EXPECT_EQ(back().At(45, 33), Backdrop(45, 33));  // the hole
    }
}

TEST_F(MaskedDraw, ClipsAtEveryEdgeOfTheBackBuffer) {
    struct Place {
        int x, y;
    };
    for (Place p : {Place{-5, 100},
                    {100, -4},
                    {790, 100},
                    {100, 541},
                    {-6, -3},
                    {788, 540},
                    {-12, 10},
                    {796, 10},
                    {10, 546},
                    {-100000, -100000}}) {
        Paint(back());
        BlitEnemySprite(p.x, p.y, 12, 8, sprite_, mask_);
        EXPECT_TRUE(back() == Expected(p.x, p.y, 12, 8)) << "at " << p.x << "," << p.y;
    }
}

TEST_F(MaskedDraw, ASizeLargerOrSmallerThanThePictureShowsOnlyPicturePixels) {
    BlitPlayerSprite(200, 200, 100, 90, sprite_, mask_);
    EXPECT_TRUE(back() == Expected(200, 200, 100, 90));
    Paint(back());
    BlitPlayerSprite(200, 200, 6, 4, sprite_, mask_);  // cropped at the right and bottom
    EXPECT_TRUE(back() == Expected(200, 200, 6, 4));
    EXPECT_EQ(back().At(206, 203), Backdrop(206, 203));
}

TEST_F(MaskedDraw, MapCopyAndPresentMoveWholeViewRectangles) {
    GameData::ViewWidth = 796;
    GameData::ViewHeight = 546;
    Surface map(1000, 700);
    for (int y = 0; y < 700; ++y)
        for (int x = 0; x < 1000; ++x)
            map.Set(x, y, Rgb(x & 0xFF, y & 0xFF, (x >> 8) + 4 * (y >> 8)));
    BlitMapView(150, 120, 546, 796, map, back());
    EXPECT_EQ(back().At(0, 0), map.At(150, 120));
    EXPECT_EQ(back().At(795, 545), map.At(945, 665));
    EXPECT_EQ(back().At(400, 17), map.At(550, 137));

    BlitShotSprite(10, 10, 12, 8, sprite_, mask_);
    PresentFrame();
    EXPECT_TRUE(FrmMain().PlayArea.Hdc() == back());
}
