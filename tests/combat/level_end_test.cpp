// The map bounds and the checks that end play: fall, health, the far end of each level. One
// step opens at most one screen.
#include <gtest/gtest.h>

#include "combat/combat.hpp"
#include "support/play_world.hpp"
#include "world/frm_main.hpp"

using namespace game::GameData;

namespace {

class LevelEnd : public combattest::PlayWorld {};

}  // namespace

TEST_F(LevelEnd, ThePlayerIsKeptInsideTheMap) {
    Player().X = 12000 - 46 + 1;
    game::UpdateCombat();
    EXPECT_EQ(Player().X, 12000 - 46);
    Player().X = -3;
    Player().Y = -1;
    game::UpdateCombat();
    EXPECT_EQ(Player().X, 0);
    EXPECT_EQ(Player().Y, 0);
    FreeGrid(3000, 500);
    Player().Y = 480;
    game::UpdateCombat();
    EXPECT_EQ(Player().Y, 500 - 65);
}

TEST_F(LevelEnd, FallingBelowRow480OpensTheDefeatScreen) {
    Player().Y = 480;
    game::UpdateCombat();
    EXPECT_TRUE(Loaded("FrmMain"));
    EXPECT_FALSE(Loaded("lose"));
    Player().Y = 481;
    game::UpdateCombat();
    EXPECT_FALSE(Loaded("FrmMain"));
    EXPECT_FALSE(Loaded("FrmPics"));
    EXPECT_TRUE(Visible("lose"));
}

TEST_F(LevelEnd, HealthAtOrBelowZeroOpensTheDefeatScreenOnTheNextTick) {
    PlayerHealth = -99;
    game::FrmMain().HP.SetCaption("1");
    game::UpdateCombat();
    EXPECT_TRUE(Loaded("FrmMain"));
    // The contact that takes the last point is acted on in the following step.
    Enemy(1).X = 120;
    Enemy(1).Y = 310;
    EnemyShotFired1 = 1;
    game::UpdateCombat();
    EXPECT_EQ(HpCaption(), "0");
    EXPECT_TRUE(Loaded("FrmMain"));
    game::UpdateCombat();
    EXPECT_FALSE(Loaded("FrmMain"));
    EXPECT_TRUE(Visible("lose"));
}

TEST_F(LevelEnd, ANegativeHealthCaptionIsADefeatToo) {
    game::FrmMain().HP.SetCaption("-4");
    game::UpdateCombat();
    EXPECT_TRUE(Visible("lose"));
}

TEST_F(LevelEnd, PassingX9910OnLevelOneOpensTheBetweenLevelsScreenOverTheGame) {
    Player().X = 9910;
    game::UpdateCombat();
    EXPECT_FALSE(Loaded("aik"));
    EXPECT_TRUE(TimerEnabled());
    Player().X = 9911;
    game::UpdateCombat();
    EXPECT_TRUE(Visible("aik"));
    EXPECT_TRUE(Visible("FrmMain"));
    EXPECT_FALSE(TimerEnabled());
    EXPECT_FALSE(Loaded("win"));
}

TEST_F(LevelEnd, OnLevelOneOnlyTheBetweenLevelsLimitApplies) {
    Player().X = 11911;
    game::UpdateCombat();
    EXPECT_TRUE(Visible("aik"));
    EXPECT_FALSE(Loaded("win"));
}

TEST_F(LevelEnd, PassingX11910OnLevelTwoClosesTheGameAndOpensVictory) {
    SetLevel("2");
    Player().X = 11910;
    game::UpdateCombat();
    EXPECT_FALSE(Loaded("win"));
    EXPECT_FALSE(Loaded("aik"));
    Player().X = 11911;
    game::UpdateCombat();
    EXPECT_FALSE(Loaded("FrmMain"));
    EXPECT_TRUE(Visible("win"));
}

TEST_F(LevelEnd, TheFirstTransitionEndsTheStep) {
    // Fallen and past the end at once: only the defeat screen, and the game window is not
    // loaded again by a later check reading its labels.
    SetLevel("2");
    Player().X = 11950;
    Player().Y = 490;
    game::UpdateCombat();
    EXPECT_TRUE(Visible("lose"));
    EXPECT_FALSE(Loaded("win"));
    EXPECT_FALSE(Loaded("FrmMain"));
}
