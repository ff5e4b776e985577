// The actor table a new game starts with.
#include <gtest/gtest.h>

#include "assets/frm_pics.hpp"
#include "level/level_setup.hpp"
#include "platform/core/runtime_error.hpp"
#include "support/in_process_game.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

using namespace game;

namespace {

struct Expected {
    int32_t x, y;
    int16_t w, h;
};

void ExpectActors(const Expected (&expected)[4]) {
    ASSERT_EQ(GameData::Actors.Upper(), 4);
    for (int i = 1; i <= 4; ++i) {
        const Actor& a = GameData::Actors(i);
        const Expected& e = expected[i - 1];
        EXPECT_EQ(a.X, e.x) << "actor " << i;
        EXPECT_EQ(a.Y, e.y) << "actor " << i;
        EXPECT_EQ(a.Width, e.w) << "actor " << i;
        EXPECT_EQ(a.Height, e.h) << "actor " << i;
        EXPECT_EQ(a.Alive, -1) << "actor " << i;
        EXPECT_EQ(a.SpeedX, 0.0f) << "actor " << i;
        EXPECT_EQ(a.SpeedY, 0.0f) << "actor " << i;
    }
}

class LevelSetup : public leveltest::InProcessGame {};

}  // namespace

TEST_F(LevelSetup, FirstGameStartsTheFourActorsAtTheirLevelOnePlaces) {
    FrmMain().level.SetCaption("1");
    InitLevelActors(Levels().front());
    ExpectActors({{10, 10, 46, 65}, {700, 390, 63, 64}, {2200, 390, 63, 64}, {7000, 390, 63, 64}});
}

TEST_F(LevelSetup, ATableLeftByAnEarlierGameIsRebuilt) {
    // As a game that reached level 2 leaves it: moved, resized, moving, one more entry.
    GameData::Actors.Redim(5);
    for (int i = 1; i <= 5; ++i) {
        Actor& a = GameData::Actors(i);
        a = {10200, 325, 4.5f, -2.0f, 0, 77, 64};
    }
    // The player's picture after a walk frame 45 pixels wide was shown.
    FrmPics().Character.SetPicture(FrmPics().hugo2.Picture());
    FrmMain().level.SetCaption("1");
    InitLevelActors(Levels().front());
    ExpectActors({{10, 10, 45, 65}, {700, 390, 63, 64}, {2200, 390, 63, 64}, {7000, 390, 63, 64}});
}

TEST_F(LevelSetup, EnemySizeFollowsTheLevelCaptionReadAtTheCall) {
    FrmMain().level.SetCaption("2");
    InitLevelActors(Levels().front());
    EXPECT_EQ(GameData::Actors(4).Width, 77);
    EXPECT_EQ(GameData::Actors(4).Height, 64);

    // Neither 1 nor 2: the fresh entries keep the zero size.
    FrmMain().level.SetCaption("3");
    InitLevelActors(Levels().front());
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(GameData::Actors(i).Width, 0);
        EXPECT_EQ(GameData::Actors(i).Height, 0);
    }

    FrmMain().level.SetCaption("one");
    try {
        InitLevelActors(Levels().front());
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::kErrTypeMismatch);
    }
}
