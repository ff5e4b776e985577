#include "play/player_input.hpp"

#include "level/grid_queries.hpp"
#include "level/level_table.hpp"
#include "platform/core/app_folder.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/sound.hpp"
#include "world/foot_point.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

using namespace GameData;
using platform::Add32;
using platform::Mul16;
using platform::Sub16;
using platform::Sub32;

constexpr f32 kJumpImpulse = 18;
constexpr i16 kRunSpeedNormal = 3;
constexpr i16 kRunSpeedJumping = 7;

struct ShotSlot {
    i16& active;
    i32& x;
    i32& y;
    i16& dir;
};

void WalkLeft() {
    FacingRight = 0;
    WalkFrame = Sub16(WalkFrame, 1);
    Actors(1).X = Sub32(Actors(1).X, Mul16(2, RunSpeed));
}

void WalkRight() {
    FacingRight = 1;
    WalkFrame = Sub16(WalkFrame, 1);
    Actors(1).X = Add32(Actors(1).X, Mul16(2, RunSpeed));
}

// A jump starts only while the foot point is in the ground.
void TryJump() {
    Actor& p = Actors(1);
    if (ProbeGround(CentreFootX(p), FootRow(p)) == -1) {
        RunSpeed = kRunSpeedJumping;
        p.SpeedY = p.SpeedY - kJumpImpulse;
    }
}

// The shot starts at the player's top-left corner in view coordinates; clearing KeyFire
// makes one key-down fire at most one shot.
void FireInto(ShotSlot slot) {
    if (slot.active != 0 || KeyFire != -1)
        return;
    KeyFire = 0;
    slot.x = Sub32(Actors(1).X, CameraX);
    slot.y = Sub32(Actors(1).Y, CameraY);
    if (FacingRight == 1)
        slot.dir = 1;
    if (FacingRight == 0)
        slot.dir = 0;
    slot.active = 1;
}

void UpdateWindowTitle() {
    if (const LevelFacts* level = LevelShown())
        FrmMain().SetCaption(level->title);
}

[[noreturn]] void EndOnEscape() {
    platform::App& app = platform::App::Get();
    platform::PlaySoundFile(platform::AppFilePath("\\muz\\silence.wav"));
    app.EndProcess(0);
}

}  // namespace

void ApplyGravity() {
    Actor& p = Actors(1);
    if (OnGround == 0) {
        p.Y = platform::RoundToI32(double(p.Y) + 1.0);
        p.SpeedY = p.SpeedY + 1;
    }
    if (OnGround == 1)
        p.SpeedY = 0;
}

void HandlePlayerInput() {
    if (KeyLeft == -1)
        WalkLeft();
    if (KeyRight == -1)
        WalkRight();
    if (KeyJump == -1)
        TryJump();
    else
        RunSpeed = kRunSpeedNormal;
    FireInto({Shot1Active, Shot1X, Shot1Y, Shot1Dir});
    if (Shot1Active == 1)
        FireInto({Shot2Active, Shot2X, Shot2Y, Shot2Dir});
    if (Shot1Active == 1 && Shot2Active == 1)
        FireInto({Shot3Active, Shot3X, Shot3Y, Shot3Dir});
    UpdateWindowTitle();
    if (KeyEscape == -1)
        EndOnEscape();
}

}  // namespace game
