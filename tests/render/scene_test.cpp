// Scene drawing: the walk cycle, shot flight and retirement, level-dependent sprites, the
// player's visibility test and the stacking order.
#include <gtest/gtest.h>

#include "assets/frm_pics.hpp"
#include "platform/core/runtime_error.hpp"
#include "render/scene.hpp"
#include "support/in_process_game.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

using namespace game;
using platform::BitBlt;
using platform::PictureBox;
using platform::Rop;
using platform::Surface;

namespace {

constexpr uint32_t kBackground = platform::Rgb(90, 140, 200);

class Scene : public leveltest::InProcessGame {
  protected:
    void SetUp() override {
        InProcessGame::SetUp();
        FrmMain().Load();
        FrmMain().level.SetCaption("1");
        GameData::ViewWidth = 796;
        GameData::ViewHeight = 546;
        GameData::Actors.Redim(4);
        // Player and enemies far outside the view unless a test puts them in.
        for (int i = 1; i <= 4; ++i) GameData::Actors(i) = {-5000, 0, 0, 0, -1, 63, 64};
        GameData::Actors(1).Width = 46;
        GameData::Actors(1).Height = 65;
        GameData::FacingRight = 1;
        back().Fill(kBackground);
    }
    Surface& back() { return FrmMain().BackBuffer.Hdc(); }
    // What a masked draw of this picture pair at (x, y) must leave in `s`.
    static void Masked(Surface& s, int x, int y, int w, int h, PictureBox& sprite,
                       PictureBox& mask) {
        BitBlt(s, x, y, w, h, mask.Hdc(), 0, 0, Rop::kSrcAnd);
        BitBlt(s, x, y, w, h, sprite.Hdc(), 0, 0, Rop::kSrcPaint);
    }
    static Surface Background() { return Surface(796, 546, kBackground); }
    // One tick's share of the walk counter, as input handling leaves it, then the scene.
    void WalkTick() {
        --GameData::WalkFrame;
        DrawScene();
    }
    static bool Shows(PictureBox& work, PictureBox& frame) {
        return work.Picture() && *work.Picture() == *frame.Picture();
    }
};

}  // namespace

TEST_F(Scene, WalkingRightCyclesThroughFourTicks) {
    FrmPicsForm& p = FrmPics();
    GameData::KeyRight = -1;
    GameData::WalkFrame = 3;
    PictureBox* const expected[][2] = {{&p.hugo3, &p.hugo23m}, {&p.hugo2, &p.hugo23m},
                                       {&p.hugo1, &p.hugo1m},  {&p.hugo1, &p.hugo1m},
                                       {&p.hugo3, &p.hugo23m}, {&p.hugo2, &p.hugo23m}};
    const int16_t counters[] = {2, 1, 0, 3, 2, 1};
    for (int tick = 0; tick < 6; ++tick) {
        WalkTick();
        EXPECT_EQ(GameData::WalkFrame, counters[tick]) << "tick " << tick;
        EXPECT_TRUE(Shows(p.Character, *expected[tick][0])) << "tick " << tick;
        EXPECT_TRUE(Shows(p.CharacterMask, *expected[tick][1])) << "tick " << tick;
    }
    // The work picture takes the frame's size: 45 pixels wide for frame 2.
    EXPECT_EQ(p.Character.ScaleWidth(), 45);
}

TEST_F(Scene, TurningKeepsTheCounterAndStandingShowsTheFacingsFirstFrame) {
    FrmPicsForm& p = FrmPics();
    GameData::KeyLeft = -1;
    GameData::WalkFrame = 2;
    WalkTick();  // 1, facing right
    EXPECT_TRUE(Shows(p.Character, p.hugo2));
    GameData::FacingRight = 0;
    WalkTick();  // 0, now facing left: the cycle goes on in the other column
    EXPECT_TRUE(Shows(p.Character, p.hugo4));
    EXPECT_TRUE(Shows(p.CharacterMask, p.hugo4m));
    GameData::WalkFrame = 3;
    DrawScene();
    EXPECT_TRUE(Shows(p.Character, p.hugo4));  // frame 3 keeps the last pictures
    GameData::WalkFrame = 2;
    DrawScene();
    EXPECT_TRUE(Shows(p.Character, p.hugo6));
    EXPECT_TRUE(Shows(p.CharacterMask, p.hugo56m));

    GameData::KeyLeft = 0;
    GameData::WalkFrame = -7;
    DrawScene();
    EXPECT_EQ(GameData::WalkFrame, 0);
    EXPECT_TRUE(Shows(p.Character, p.hugo4));
}

TEST_F(Scene, PlayerShotsFlyTenPixelsATickOnOrOffScreen) {
    using namespace GameData;
    Shot1Active = 1, Shot1Dir = 1, Shot1X = 100, Shot1Y = 200;
    Shot2Active = 1, Shot2Dir = 0, Shot2X = 5000, Shot2Y = 50;  // off-screen
    Shot3Active = 0, Shot3Dir = 1, Shot3X = 300, Shot3Y = 50;
    DrawScene();
    EXPECT_EQ(Shot1X, 110);
    EXPECT_EQ(Shot2X, 4990);
    EXPECT_EQ(Shot3X, 300);
    DrawScene();
    EXPECT_EQ(Shot1X, 120);
    EXPECT_EQ(Shot2X, 4980);
    EXPECT_EQ(Shot1Y, 200);
}

TEST_F(Scene, PlayerShotsAreDrawnBesideThePlayerAtTheBoxOuterSize) {
    using namespace GameData;
    FrmPicsForm& p = FrmPics();
    ASSERT_EQ(p.Bullet.Width(), 34);
    ASSERT_EQ(p.Bullet.Height(), 14);
    Shot1Active = 1, Shot1Dir = 1, Shot1X = 100, Shot1Y = 200;
    Shot2Active = 1, Shot2Dir = 0, Shot2X = 400, Shot2Y = 10;
    DrawScene();
    Surface expected = Background();
    Masked(expected, 100 + 46 - 5, 233, 34, 14, p.Bullet, p.BulletMask);
    Masked(expected, 400 - 25, 43, 34, 14, p.Bullet, p.BulletMask);
    EXPECT_TRUE(back() == expected);
    EXPECT_FALSE(back() == Background());
}

TEST_F(Scene, EnemyShotIsRetiredOnlyPastItsRange) {
    using namespace GameData;
    EnemyShotFired1 = 1, EnemyFacesLeft1 = 0, EnemyShotX = -80, EnemyShotY = 100;
    DrawScene();
    EXPECT_EQ(EnemyShotX, -90);
    DrawScene();
    EXPECT_EQ(EnemyShotX, -100);
    EXPECT_EQ(EnemyShotFired1, 1);
    DrawScene();
    EXPECT_EQ(EnemyShotX, -110);
    EXPECT_EQ(EnemyShotFired1, 0);
    DrawScene();
    EXPECT_EQ(EnemyShotX, -110);  // retired: no longer moved
    EXPECT_EQ(EnemyShotY, 100);

    EnemyShotFired2 = 1, EnemyFacesLeft2 = 1, EnemyShotX = 990;
    DrawScene();
    EXPECT_EQ(EnemyShotX, 1000);
    EXPECT_EQ(EnemyShotFired2, 1);
    DrawScene();
    EXPECT_EQ(EnemyShotX, 1010);
    EXPECT_EQ(EnemyShotFired2, 0);
}

TEST_F(Scene, TheSharedEnemyShotMovesOncePerSetFlag) {
    using namespace GameData;
    EnemyShotFired1 = EnemyShotFired3 = 1;
    EnemyFacesLeft1 = EnemyFacesLeft3 = 0;
    EnemyShotX = 500;
    DrawScene();
    EXPECT_EQ(EnemyShotX, 480);
    EnemyFacesLeft3 = 1;
    DrawScene();
    EXPECT_EQ(EnemyShotX, 480);
}

TEST_F(Scene, EnemySpritesAndShotFollowTheLevelCaption) {
    using namespace GameData;
    FrmPicsForm& p = FrmPics();
    EnemyHP1 = 100, EnemyHP2 = 100, EnemyHP3 = 0;  // enemy 3 is dead: not drawn
    Actors(2) = {300, 200, 0, 0, -1, 63, 64};
    Actors(3) = {500, 250, 0, 0, -1, 63, 64};
    Actors(4) = {600, 100, 0, 0, -1, 63, 64};
    CameraX = 100, CameraY = 50;
    EnemyFacesLeft1 = 0, EnemyFacesLeft2 = 1;
    EnemyShotFired2 = 1, EnemyShotX = 40, EnemyShotY = 60;  // play-area pixels
    DrawScene();
    Surface expected = Background();
    Masked(expected, 40 + 63 - 5, 70, 34, 21, p.l1s, p.l1sm);
    Masked(expected, 200, 150, 63, 64, p.l1e, p.l1em);
    Masked(expected, 400, 200, 63, 64, p.l1e1, p.l1e1m);
    EXPECT_TRUE(back() == expected);
    EXPECT_EQ(EnemyShotX, 50);

    back().Fill(kBackground);
    FrmMain().level.SetCaption("2");
    for (int i = 2; i <= 4; ++i) Actors(i).Width = 77;
    DrawScene();
    expected = Background();
    Masked(expected, 50 + 77 - 5, 88, 34, 34, p.l2s, p.l2sm);
    Masked(expected, 200, 150, 77, 64, p.l2e, p.l2em);
    Masked(expected, 400, 200, 77, 64, p.l2e1, p.l2e1m);
    EXPECT_TRUE(back() == expected);
    EXPECT_EQ(EnemyShotX, 60);

    // Any other level number: no enemies, and the enemy shot stays where it is.
    back().Fill(kBackground);
    FrmMain().level.SetCaption("3");
    DrawScene();
    EXPECT_TRUE(back() == Background());
    EXPECT_EQ(EnemyShotX, 60);
}

TEST_F(Scene, PlayerIsDrawnOnlyAliveAndInViewUnderShotsAndEnemies) {
    using namespace GameData;
    FrmPicsForm& p = FrmPics();
    WalkFrame = 0;
    Actors(1) = {150, 80, 0, 0, -1, 46, 65};
    Actors(2) = {160, 90, 0, 0, -1, 63, 64};
    EnemyHP1 = 100;
    Shot1Active = 1, Shot1Dir = 0, Shot1X = 190, Shot1Y = 60;
    DrawScene();
    Surface expected = Background();
    Masked(expected, 150, 80, 46, 65, p.hugo1, p.hugo1m);
    Masked(expected, 165, 93, 34, 14, p.Bullet, p.BulletMask);
    Masked(expected, 160, 90, 63, 64, p.l1e, p.l1em);
    EXPECT_TRUE(back() == expected);

    back().Fill(kBackground);
    Actors(1).Alive = 0;
    Shot1X = 190;
    DrawScene();
    expected = Background();
    Masked(expected, 165, 93, 34, 14, p.Bullet, p.BulletMask);
    Masked(expected, 160, 90, 63, 64, p.l1e, p.l1em);
    EXPECT_TRUE(back() == expected);
}

TEST_F(Scene, RangeTestNeedsARealOverlapOnEveryEdge) {
    using namespace GameData;
    CameraX = 1000, CameraY = 200;  // the view is x 1000..1795, y 200..745
    EXPECT_EQ(RangeTest(1000, 200, 46, 65), -1);
    EXPECT_EQ(RangeTest(954, 300, 46, 65), 0);  // x + width = CameraX: touching only
    EXPECT_EQ(RangeTest(955, 300, 46, 65), -1);
    EXPECT_EQ(RangeTest(1796, 300, 46, 65), 0);  // x = CameraX + ViewWidth
    EXPECT_EQ(RangeTest(1795, 300, 46, 65), -1);
    EXPECT_EQ(RangeTest(1200, 135, 46, 65), 0);  // y + height = CameraY
    EXPECT_EQ(RangeTest(1200, 136, 46, 65), -1);
    EXPECT_EQ(RangeTest(1200, 746, 46, 65), 0);  // y = CameraY + ViewHeight
    EXPECT_EQ(RangeTest(1200, 745, 46, 65), -1);
    EXPECT_THROW(RangeTest(2147483600, 300, 100, 65), platform::RuntimeError);
}
