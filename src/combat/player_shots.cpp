#include "combat/player_shots.hpp"

#include "combat/world_refs.hpp"
#include "world/game_window.hpp"

namespace game {
namespace {

using namespace GameData;

constexpr i32 kRetireRight = 1000;
constexpr i32 kRetireLeft = -200;
constexpr i32 kParkedY = -100;
constexpr i16 kKillScore = 50;

void HitEnemy(ShotSlotRef shot, int k) {
    i16& hp = EnemyHP(k);
    shot.active = 0;
    hp = platform::Sub16(hp, 1);
    if (hp < 0) {
        hp = 0;
        Score = platform::Add16(Score, kKillScore);
        Actors(k + 1).X = -100;
        Actors(k + 1).Y = 0;
        shot.y = kParkedY;
    }
    FrmMain().score.SetCaption(platform::NumberText(Score));
}

}  // namespace

void RetireOutOfRangeShots() {
    for (int j = 1; j <= 3; ++j) {
        ShotSlotRef shot = PlayerShot(j);
        if (shot.x > kRetireRight) {
            shot.active = 0;
            shot.y = kParkedY;
        }
        if (shot.x < kRetireLeft) {
            shot.active = 0;
            shot.y = kParkedY;
        }
    }
}

void HitEnemiesWithShots(const std::array<ScreenBox, 3>& enemyBoxes) {
    for (int j = 1; j <= 3; ++j) {
        ShotSlotRef shot = PlayerShot(j);
        const ScreenBox box = ShotBox(shot.x, shot.y);
        for (int k = 1; k <= 3; ++k)
            if (EdgesOverlap(box, enemyBoxes[k - 1]))
                HitEnemy(shot, k);
    }
}

}  // namespace game
