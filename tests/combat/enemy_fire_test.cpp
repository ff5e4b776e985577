// Enemy facing and fire (the signed range rule), the shared shot, shot and contact damage.
#include <gtest/gtest.h>

#include "combat/combat.hpp"
#include "support/play_world.hpp"

using namespace game::GameData;

namespace {

class EnemyFire : public combattest::PlayWorld {};

}  // namespace

TEST_F(EnemyFire, FiresWhenLessThan500ToTheRightOrAnyDistanceToTheLeft) {
    Player().X = 6000;
    Enemy(1).X = 6499;
    Enemy(2).X = 6500;
    Enemy(3).X = 1000;  // 5000 to the left
    for (int k = 1; k <= 3; ++k) Enemy(k).Y = 100 + 10 * k;
    CameraX = 5800;
    game::UpdateCombat();
    EXPECT_EQ(EnemyShotFired1, 1);
    EXPECT_EQ(EnemyShotFired2, 0);
    EXPECT_EQ(EnemyShotFired3, 1);
    // The shared shot starts at the last enemy that fired, in play-area pixels.
    EXPECT_EQ(EnemyShotX, 1000 - 5800);
    EXPECT_EQ(EnemyShotY, 130);
    EXPECT_EQ(EnemyFacesLeft1, 0);
    EXPECT_EQ(EnemyFacesLeft2, 0);
    EXPECT_EQ(EnemyFacesLeft3, 1);
}

TEST_F(EnemyFire, AllThreeFireInOneTickAndALaterOneMovesAShotInFlight) {
    for (int k = 1; k <= 3; ++k) {
        Enemy(k).X = 200 + 100 * k;
        Enemy(k).Y = 100;
    }
    Enemy(3).Y = 150;
    game::UpdateCombat();
    EXPECT_EQ(EnemyShotFired1 + EnemyShotFired2 + EnemyShotFired3, 3);
    EXPECT_EQ(EnemyShotX, 500);
    EXPECT_EQ(EnemyShotY, 150);
    // Enemy 1 ready again while the others' shot still flies: the shot jumps back to it.
    EnemyShotFired1 = 0;
    EnemyShotX = 420;
    game::UpdateCombat();
    EXPECT_EQ(EnemyShotX, 300);
    EXPECT_EQ(EnemyShotY, 100);
}

TEST_F(EnemyFire, LevelWithThePlayerKeepsFacingAndZeroHitPointsHoldFire) {
    Enemy(1).X = 100;  // d = 0
    EnemyFacesLeft1 = 1;
    EnemyHP2 = 0;
    Enemy(2).X = 150;
    game::UpdateCombat();
    EXPECT_EQ(EnemyFacesLeft1, 1);
    EnemyFacesLeft1 = 0;
    game::UpdateCombat();
    EXPECT_EQ(EnemyFacesLeft1, 0);
    EXPECT_EQ(EnemyShotFired2, 0);
}

TEST_F(EnemyFire, AShotHitTakesFiveAndContactOnePerEnemyPerTick) {
    // A fresh game shows 100: the never-fired shot is parked out of the view.
    game::UpdateCombat();
    EXPECT_EQ(HpCaption(), "100");
    EXPECT_EQ(PlayerHealth, 0);
    // The shot over the player's top-left corner (player box 100..150 x 300..369).
    EnemyShotX = 80;
    EnemyShotY = 290;
    game::UpdateCombat();
    EXPECT_EQ(HpCaption(), "95");
    EXPECT_EQ(EnemyShotY, -200);
    EXPECT_EQ(EnemyShotX, 80);
    // An enemy touching the 50-wide box though not the 46-wide sprite.
    Enemy(1).X = 148;
    Enemy(1).Y = 310;
    EnemyShotFired1 = 1;  // its shot is still flying elsewhere
    for (int tick = 0; tick < 3; ++tick) game::UpdateCombat();
    EXPECT_EQ(HpCaption(), "92");
    // Shot and contact in one tick: 6; two enemies touching: 2 per tick.
    EnemyShotY = 290;
    game::UpdateCombat();
    EXPECT_EQ(HpCaption(), "86");
    Enemy(2).X = 60;
    Enemy(2).Y = 280;
    EnemyShotFired2 = 1;
    game::UpdateCombat();
    EXPECT_EQ(PlayerHealth, -16);
    EXPECT_EQ(HpCaption(), "84");
}
