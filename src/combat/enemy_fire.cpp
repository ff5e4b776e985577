#include "combat/enemy_fire.hpp"

#include "combat/world_refs.hpp"
#include "world/game_window.hpp"

namespace game {
namespace {

using namespace GameData;

constexpr i32 kFiringRange = 500;
constexpr i32 kSpentShotY = -200;
constexpr i16 kShotDamage = 5;
constexpr i16 kContactDamage = 1;

i32 DistanceToPlayer(int k) {
    return platform::Sub32(Actors(k + 1).X, Actors(1).X);
}

void TakeHealth(i16 amount) {
    PlayerHealth = platform::Sub16(PlayerHealth, amount);
    FrmMain().HP.SetCaption(platform::NumberText(platform::Add16(100, PlayerHealth)));
}

}  // namespace

void TurnEnemiesToPlayer() {
    for (int k = 1; k <= 3; ++k)
        if (DistanceToPlayer(k) < 0)
            EnemyFacesLeft(k) = 1;
    for (int k = 1; k <= 3; ++k)
        if (DistanceToPlayer(k) > 0)
            EnemyFacesLeft(k) = 0;
}

// All three share EnemyShotX/Y: a later enemy moves a shot still in flight to itself.
void FireEnemyShots() {
    for (int k = 1; k <= 3; ++k) {
        if (EnemyHP(k) > 0 && EnemyShotFired(k) == 0 && DistanceToPlayer(k) < kFiringRange) {
            EnemyShotFired(k) = 1;
            EnemyShotX = platform::Sub32(Actors(k + 1).X, CameraX);
            EnemyShotY = platform::Sub32(Actors(k + 1).Y, CameraY);
        }
    }
}

void HitPlayerWithEnemyShot(const ScreenBox& player, const ScreenBox& enemyShot) {
    if (!EdgesOverlap(player, enemyShot))
        return;
    EnemyShotY = kSpentShotY;
    TakeHealth(kShotDamage);
}

void HurtPlayerOnContact(const ScreenBox& player, const std::array<ScreenBox, 3>& enemies) {
    for (const ScreenBox& enemy : enemies)
        if (EdgesOverlap(player, enemy))
            TakeHealth(kContactDamage);
}

}  // namespace game
