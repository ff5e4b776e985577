// Player shots: the retire band, lodged shots draining an enemy, kills and the score caption.
#include <gtest/gtest.h>

#include "combat/combat.hpp"
#include "play/player_input.hpp"
#include "support/play_world.hpp"

using namespace game::GameData;

namespace {

class PlayerShots : public combattest::PlayWorld {
  protected:
    void SetUp() override {
        PlayWorld::SetUp();
        // Enemy 1 within reach of the shots but 500 pixels from the player: it does not fire.
        Enemy(1).X = 600;
        Enemy(1).Y = 300;
    }
    // A shot in slot 1 inside enemy 1's box.
    static void LodgeShot1() {
        Shot1Active = 1;
        Shot1X = 610;
        Shot1Y = 320;
    }
};

}  // namespace

TEST_F(PlayerShots, AreRetiredOutsideMinus200To1000AndParkedAtMinus100) {
    Shot1Active = Shot2Active = Shot3Active = 1;
    Shot1X = 1000;
    Shot2X = 1001;
    Shot3X = -200;
    Shot1Y = Shot2Y = Shot3Y = 40;
    game::UpdateCombat();
    EXPECT_EQ(Shot1Active, 1);
    EXPECT_EQ(Shot1Y, 40);
    EXPECT_EQ(Shot2Active, 0);
    EXPECT_EQ(Shot2Y, -100);
    EXPECT_EQ(Shot2X, 1001);  // keeps its x
    EXPECT_EQ(Shot3Active, 1);
    Shot3X = -201;
    game::UpdateCombat();
    EXPECT_EQ(Shot3Active, 0);
    EXPECT_EQ(Shot3Y, -100);
}

TEST_F(PlayerShots, ALodgedShotTakesOnePointPerTickAndKillsOnThe101stTick) {
    LodgeShot1();
    Score = 150;  // the caption still reads "0": every hit rewrites it
    game::UpdateCombat();
    EXPECT_EQ(Shot1Active, 0);
    EXPECT_EQ(EnemyHP1, 99);
    EXPECT_EQ(ScoreCaption(), "150");
    for (int tick = 2; tick <= 100; ++tick) game::UpdateCombat();
    EXPECT_EQ(EnemyHP1, 0);
    EXPECT_EQ(Enemy(1).X, 600);  // 0 hit points is not yet dead
    game::UpdateCombat();
    EXPECT_EQ(EnemyHP1, 0);
    EXPECT_EQ(Score, 200);
    EXPECT_EQ(ScoreCaption(), "200");
    EXPECT_EQ(Enemy(1).X, -100);
    EXPECT_EQ(Enemy(1).Y, 0);
    EXPECT_EQ(Enemy(1).Alive, -1);
    EXPECT_EQ(Shot1Y, -100);
    // The parked shot no longer reaches the enemy's new place.
    game::UpdateCombat();
    EXPECT_EQ(Score, 200);
}

TEST_F(PlayerShots, TwoLodgedShotsTakeTwoPerTickAndBothKillInTheSameStep) {
    LodgeShot1();
    Shot2Active = 1;
    Shot2X = 630;
    Shot2Y = 330;
    game::UpdateCombat();
    EXPECT_EQ(EnemyHP1, 98);
    EnemyHP1 = 0;
    game::UpdateCombat();
    // Slot 2 still tests the box built before slot 1's kill moved the enemy.
    EXPECT_EQ(Score, 100);
    EXPECT_EQ(Shot1Y, -100);
    EXPECT_EQ(Shot2Y, -100);
}

TEST_F(PlayerShots, AHitClearsOnlyTheHittingSlotAndRefiringReleasesALodgedShot) {
    Shot1Active = 1;
    Shot1X = 300;  // flying, nowhere near an enemy
    Shot1Y = 320;
    Shot2Active = 1;
    Shot2X = 610;
    Shot2Y = 320;
    game::UpdateCombat();
    EXPECT_EQ(Shot1Active, 1);
    EXPECT_EQ(Shot2Active, 0);
    EXPECT_EQ(EnemyHP1, 99);
    // Slot 1 retired far away; a fresh press fires slot 1, slot 2 stays lodged.
    Shot1Active = 0;
    KeyFire = -1;
    game::HandlePlayerInput();
    EXPECT_EQ(Shot1Active, 1);
    EXPECT_EQ(Shot2Active, 0);
    game::UpdateCombat();
    EXPECT_EQ(EnemyHP1, 98);
    // Now slot 2 is fired again from the player's place: the enemy stops losing points.
    KeyFire = -1;
    game::HandlePlayerInput();
    EXPECT_EQ(Shot2Active, 1);
    EXPECT_EQ(Shot2X, 100);
    game::UpdateCombat();
    EXPECT_EQ(EnemyHP1, 98);
}
