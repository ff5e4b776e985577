// Gravity, jumps and landing on a flat floor solid from row 400, run step by step in process:
// the standing cycle, the jump arc, falls from rest, the foot point, walking and firing.
#include <gtest/gtest.h>

#include <vector>

#include "platform/forms/app.hpp"
#include "play/actor_update.hpp"
#include "play/player_input.hpp"
#include "support/play_world.hpp"
#include "world/game_window.hpp"

using namespace game::GameData;

namespace {

constexpr int kMotionFloorRow = 400;

class PlayerMotion : public combattest::PlayWorld {
  protected:
    void SetUp() override {
        PlayWorld::SetUp();
        SetSolid(0, kMotionFloorRow, 12000, 600 - kMotionFloorRow);
        // Standing with the foot point on the last free row, no direction key held.
        Player().Y = 334;
        WalkFrame = 0;
        FacingRight = 1;
    }
    // The player's part of a tick; with no direction key scene drawing keeps WalkFrame at 0.
    static void Tick() {
        game::ApplyGravity();
        game::HandlePlayerInput();
        game::UpdateActors();
        if (KeyLeft == 0 && KeyRight == 0)
            WalkFrame = 0;
    }
};

}  // namespace

TEST_F(PlayerMotion, StandingStillIsATwoTickCycleThatNeverMovesThePlayer) {
    for (int pair = 0; pair < 3; ++pair) {
        Tick();
        EXPECT_EQ(Player().Y, 334);
        EXPECT_EQ(Player().SpeedY, 1.0f);
        EXPECT_EQ(OnGround, 1);
        Tick();
        EXPECT_EQ(Player().Y, 334);
        EXPECT_EQ(Player().SpeedY, 0.0f);
        EXPECT_EQ(OnGround, 0);
    }
}

TEST_F(PlayerMotion, AJumpFromStandingRises289PixelsAndLandsOnThe34thTick) {
    const std::vector<int> rising = {301, 270, 241, 214, 189, 166, 145, 126, 109,
                                     94,  81,  70,  61,  54,  49,  46,  45};
    KeyJump = -1;
    Tick();
    KeyJump = 0;
    EXPECT_EQ(Player().SpeedY, -17.0f);
    EXPECT_EQ(RunSpeed, 7);
    std::vector<int> arc = {Player().Y};
    for (int tick = 1; tick <= 33; ++tick) {
        Tick();
        arc.push_back(Player().Y);
    }
    std::vector<int> expected = rising;
    for (int i = int(rising.size()) - 2; i >= 0; --i) expected.push_back(rising[size_t(i)]);
    expected.push_back(334);
    EXPECT_EQ(arc, expected);
    EXPECT_EQ(RunSpeed, 3);  // the key was released
    Tick();
    EXPECT_EQ(Player().Y, 334);
    EXPECT_EQ(OnGround, 1);
    Tick();
    EXPECT_EQ(OnGround, 0);
}

TEST_F(PlayerMotion, AHeldJumpKeyStartsTheJumpWithinTwoTicksButNotInTheAir) {
    Tick();  // now OnGround is 1: this tick's probe finds the feet free
    KeyJump = -1;
    Tick();
    EXPECT_EQ(Player().Y, 334);
    EXPECT_EQ(RunSpeed, 3);
    Tick();
    EXPECT_EQ(Player().Y, 301);
    EXPECT_EQ(RunSpeed, 7);
    // Still held in the air: no second impulse, RunSpeed keeps its value.
    Tick();
    EXPECT_EQ(Player().Y, 270);
    EXPECT_EQ(RunSpeed, 7);
}

TEST_F(PlayerMotion, FallingFromRestMoves3579PixelsPerTick) {
    Player().Y = 100;
    std::vector<int> moves;
    for (int tick = 0; tick < 6; ++tick) {
        const int before = Player().Y;
        Tick();
        moves.push_back(Player().Y - before);
    }
    EXPECT_EQ(moves, (std::vector<int>{3, 5, 7, 9, 11, 13}));
}

TEST_F(PlayerMotion, AFallLandsWithTheFootPointOnTheLastFreeRow) {
    Player().Y = 100;
    for (int tick = 0; tick < 40; ++tick) Tick();
    EXPECT_EQ(Player().Y, 334);
}

TEST_F(PlayerMotion, TheJumpProbeRoundsAnOddHalfWidthToEven) {
    // Only one pixel of ground: the foot point must land exactly on it.
    FreeGrid(12000, 600);
    SetSolid(124, 400, 1, 1);
    Player().Width = 47;
    Player().Y = 335;
    struct Case {
        int x;
        bool jumps;
    };
    for (Case c : {Case{99, false}, Case{100, true}, Case{101, true}, Case{102, false}}) {
        Player().X = c.x;
        Player().SpeedY = 0;
        KeyJump = -1;
        game::HandlePlayerInput();
        EXPECT_EQ(Player().SpeedY == -18.0f, c.jumps) << "X = " << c.x;
    }
}

TEST_F(PlayerMotion, WalkingStepsTwiceRunSpeedAndBothKeysCancel) {
    KeyRight = -1;
    game::HandlePlayerInput();
    EXPECT_EQ(Player().X, 106);
    EXPECT_EQ(WalkFrame, -1);
    KeyLeft = -1;
    game::HandlePlayerInput();
    EXPECT_EQ(Player().X, 106);
    EXPECT_EQ(WalkFrame, -3);
    EXPECT_EQ(FacingRight, 1);
    KeyRight = 0;
    RunSpeed = 7;  // as after a jump start, jump key still held
    KeyJump = -1;
    Player().Y = 200;  // in the air, so no new jump
    game::HandlePlayerInput();
    EXPECT_EQ(Player().X, 92);
    EXPECT_EQ(FacingRight, 0);
}

TEST_F(PlayerMotion, ShotsFillTheLowestFreeSlotOnePerPress) {
    CameraX = 40;
    CameraY = 10;
    for (int press = 1; press <= 3; ++press) {
        KeyFire = -1;
        Player().X = 100 + press;
        game::HandlePlayerInput();
        EXPECT_EQ(KeyFire, 0);
    }
    EXPECT_EQ(Shot1X, 61);
    EXPECT_EQ(Shot2X, 62);
    EXPECT_EQ(Shot3X, 63);
    EXPECT_EQ(Shot3Y, 324);
    EXPECT_EQ(Shot1Active + Shot2Active + Shot3Active, 3);
    // A fourth press finds no slot and stays pending while Ctrl is held.
    KeyFire = -1;
    game::HandlePlayerInput();
    EXPECT_EQ(KeyFire, -1);
    EXPECT_EQ(Shot1X, 61);
    Shot2Active = 0;
    FacingRight = 0;
    game::HandlePlayerInput();
    EXPECT_EQ(KeyFire, 0);
    EXPECT_EQ(Shot2Active, 1);
    EXPECT_EQ(Shot2Dir, 0);
    EXPECT_EQ(Shot1Dir, 1);
    // Slot 1 free, slot 2 busy: slot 1.
    Shot1Active = 0;
    KeyFire = -1;
    game::HandlePlayerInput();
    EXPECT_EQ(Shot1Active, 1);
    EXPECT_EQ(Shot1Dir, 0);
}

TEST_F(PlayerMotion, TheTitleFollowsTheLevelCaptionEveryTick) {
    EXPECT_EQ(game::FrmMain().captionText(), "Feel IT !!");
    game::HandlePlayerInput();
    EXPECT_EQ(game::FrmMain().captionText(), "DUNSPELT LEVEL 1 - SWAMP");
    SetLevel("2");
    game::HandlePlayerInput();
    EXPECT_EQ(game::FrmMain().captionText(), "DUNSPELT LEVEL 2 - CAVES");
    SetLevel("3");
    game::HandlePlayerInput();
    EXPECT_EQ(game::FrmMain().captionText(), "DUNSPELT LEVEL 2 - CAVES");
    SetLevel("two");
    try {
        game::HandlePlayerInput();
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::kErrTypeMismatch);
    }
}

TEST_F(PlayerMotion, EscapeEndsTheProcessAfterMovingFiringAndTheTitle) {
    SetLevel("2");
    KeyEscape = -1;
    KeyRight = -1;
    KeyFire = -1;
    try {
        game::HandlePlayerInput();
        FAIL() << "the process did not end";
    } catch (const platform::ProcessExit& e) {
        EXPECT_EQ(e.status, 0);
    }
    EXPECT_EQ(Player().X, 106);
    EXPECT_EQ(Shot1Active, 1);
    EXPECT_EQ(game::FrmMain().captionText(), "DUNSPELT LEVEL 2 - CAVES");
}
