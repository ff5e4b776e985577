#include "combat/combat.hpp"

#include <array>

#include "combat/enemy_fire.hpp"
#include "combat/hit_geometry.hpp"
#include "combat/level_end.hpp"
#include "combat/player_shots.hpp"
#include "platform/forms/app.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

using namespace GameData;

// The player stays inside the map; the limits are 16-bit differences.
void KeepPlayerInMap() {
    Actor& p = Actors(1);
    const i16 maxX = platform::Sub16(GridWidth, p.Width);
    if (p.X > maxX)
        p.X = platform::Sub16(GridWidth, p.Width);
    if (p.X < 0)
        p.X = 0;
    const i16 maxY = platform::Sub16(GridHeight, p.Height);
    if (p.Y > maxY)
        p.Y = platform::Sub16(GridHeight, p.Height);
    if (p.Y < 0)
        p.Y = 0;
}

}  // namespace

// The step ends at the first transition: with the game window gone there is nothing left to
// hit, and a second check could open a second screen in the same tick.
void UpdateCombat() {
    KeepPlayerInMap();
    platform::App::Get().DoEvents();
    // Queued events may have closed the game window.
    if (!FrmMain().loaded())
        return;
    RetireOutOfRangeShots();
    if (CheckFall())
        return;
    TurnEnemiesToPlayer();
    FireEnemyShots();
    if (CheckHealth())
        return;
    if (CheckLevelEnd())
        return;
    // Built once from the values as they are now; a kill below does not move these boxes.
    const ScreenBox player = PlayerBox();
    const std::array<ScreenBox, 3> enemies = {EnemyBox(1), EnemyBox(2), EnemyBox(3)};
    const ScreenBox enemyShot = ShotBox(EnemyShotX, EnemyShotY);
    HitPlayerWithEnemyShot(player, enemyShot);
    HurtPlayerOnContact(player, enemies);
    HitEnemiesWithShots(enemies);
}

}  // namespace game
