#include "play/actor_update.hpp"

#include "level/grid_queries.hpp"
#include "world/foot_point.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

using namespace GameData;

enum class Foot { kCentre, kRight, kLeft };

i32 FootX(const Actor& p, Foot foot) {
    switch (foot) {
        case Foot::kCentre:
            return CentreFootX(p);
        case Foot::kRight:
            return platform::Add32(p.X, p.Width);
        case Foot::kLeft:
            break;
    }
    return p.X;
}

// One vertical step by SpeedY, then a lift out of the ground if the foot point sank into it.
// OnGround keeps the probe's answer from before the lift.
void StepAndLand(Foot foot) {
    Actor& p = Actors(1);
    p.Y = platform::RoundToI32(double(p.SpeedY) + double(p.Y));
    if (ProbeGround(FootX(p, foot), FootRow(p)) == -1)
        p.Y = platform::Sub32(p.Y, GroundDistance(FootX(p, foot), FootRow(p)));
}

}  // namespace

// With WalkFrame 0 the step runs twice (centre, then the facing foot): jump heights and
// fall speeds depend on it.
void UpdateActors() {
    if (WalkFrame == 0 && Actors(1).Alive == -1)
        StepAndLand(Foot::kCentre);
    if (FacingRight == 1 && Actors(1).Alive == -1)
        StepAndLand(Foot::kRight);
    if (FacingRight == 0 && Actors(1).Alive == -1)
        StepAndLand(Foot::kLeft);
}

}  // namespace game
