// The camera: locked to the player inside the followed band, clamped at the map's right and
// bottom edges, and left alone near the left and top edges.
#include <gtest/gtest.h>

#include "assets/frm_pics.hpp"
#include "platform/core/runtime_error.hpp"
#include "render/camera.hpp"
#include "support/in_process_game.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

using namespace game;

namespace {

// The play area is 796 x 546 inside its frame; the map here is 5000 x 1000.
class Camera : public leveltest::InProcessGame {
  protected:
    void SetUp() override {
        InProcessGame::SetUp();
        FrmMain().Load();
        GameData::ViewWidth = 796;
        GameData::ViewHeight = 546;
        FrmPics().MapPicture.SetPicture(std::make_shared<platform::Surface>(5000, 1000));
        GameData::Actors.Redim(1);
        Player().Width = 46;
        Player().Height = 65;
    }
    Actor& Player() { return GameData::Actors(1); }
    // Camera x after one update with the player at x, starting from `from`.
    int32_t CameraXFor(int32_t x, int32_t from = 0) {
        GameData::CameraX = from;
        Player().X = x;
        UpdateCamera();
        return GameData::CameraX;
    }
    int32_t CameraYFor(int32_t y, int32_t from = 0) {
        GameData::CameraY = from;
        Player().Y = y;
        UpdateCamera();
        return GameData::CameraY;
    }
};

}  // namespace

TEST_F(Camera, FollowsOnlyStrictlyPastTheMargin) {
    ASSERT_EQ(FrmMain().PlayArea.ScaleWidth(), 796);
    // MarginX = (796 - 46) \ 2 = 375.
    EXPECT_EQ(CameraXFor(375, 0), 0);
    EXPECT_EQ(CameraXFor(375, 33), 33);  // not reset to 0 either
    EXPECT_EQ(CameraXFor(376, 0), 1);
    EXPECT_EQ(CameraXFor(2000, 0), 1625);
    // Walking back left past the margin leaves the last followed value.
    EXPECT_EQ(CameraXFor(380, 0), 5);
    EXPECT_EQ(CameraXFor(100, 5), 5);
}

TEST_F(Camera, ClampsAtTheRightEdgeFromTheSwitchPointOn) {
    // Switch point: 5000 - 46 - 375 = 4579; the clamp is 5000 - 796 = 4204.
    EXPECT_EQ(CameraXFor(4578), 4203);
    EXPECT_EQ(CameraXFor(4579), 4204);
    EXPECT_EQ(CameraXFor(4900), 4204);
    EXPECT_EQ(CameraXFor(9000), 4204);
}

TEST_F(Camera, AnOddViewMinusWidthStopsOnePixelEarly) {
    Player().Width = 45;  // MarginX = 751 \ 2 = 375; switch point 5000 - 45 - 375 = 4580
    EXPECT_EQ(CameraXFor(4579), 4204);
    EXPECT_EQ(CameraXFor(4580), 4204);  // following would give 4205
    EXPECT_EQ(CameraXFor(4581), 4204);
}

TEST_F(Camera, VerticalEqualityClampsAndTheMarginIsStrict) {
    // MarginY = (546 - 65) \ 2 = 240; limit 1000 - 65 - 240 = 695; clamp 1000 - 546 = 454.
    EXPECT_EQ(CameraYFor(240, 7), 7);
    EXPECT_EQ(CameraYFor(241), 1);
    EXPECT_EQ(CameraYFor(694), 454);
    EXPECT_EQ(CameraYFor(695), 454);  // equal to the limit: the clamp branch
    EXPECT_EQ(CameraYFor(900), 454);
    Player().Height = 63;  // odd difference: MarginY = 483 \ 2 = 241, limit 696
    EXPECT_EQ(CameraYFor(695), 454);
    EXPECT_EQ(CameraYFor(696), 454);  // following would give 455
}

TEST_F(Camera, HorizontalAndVerticalAreIndependent) {
    Player().X = 4800;
    Player().Y = 100;
    GameData::CameraY = 12;
    UpdateCamera();
    EXPECT_EQ(GameData::CameraX, 4204);
    EXPECT_EQ(GameData::CameraY, 12);
}

TEST_F(Camera, AMapSmallerThanTheViewGivesANegativeClamp) {
    FrmPics().MapPicture.SetPicture(std::make_shared<platform::Surface>(600, 400));
    EXPECT_EQ(CameraXFor(500), -196);
    EXPECT_EQ(CameraYFor(300), -146);
}

TEST_F(Camera, WithoutAPlayerTheTickEndsWithASubscriptError) {
    GameData::Actors.Clear();
    EXPECT_THROW(UpdateCamera(), platform::RuntimeError);
}
