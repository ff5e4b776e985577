#include "level/level_setup.hpp"

#include "assets/enemy_sprites.hpp"
#include "assets/frm_pics.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

void SizeFromPicture(Actor& a, const platform::PictureBox& picture) {
    a.Width = platform::RoundToI16(picture.ScaleWidth());
    a.Height = platform::RoundToI16(picture.ScaleHeight());
}

// Grows the table by one entry and places an enemy there, sized from the enemy picture of the
// level the HUD shows (no size for a number no level has).
void AddEnemy(int index, MapPoint place) {
    using namespace GameData;
    Actors.Redim(index);
    Actor& a = Actors(index);
    a.Alive = -1;
    a.X = place.x;
    a.Y = place.y;
    a.SpeedX = 0;
    a.SpeedY = 0;
    if (const LevelFacts* shown = LevelShown())
        SizeFromPicture(a, EnemySpriteSet(shown->spriteSet).facingLeft);
}

}  // namespace

void InitLevelActors(const LevelFacts& level) {
    using namespace GameData;
    Actors.Redim(1);
    Actor& player = Actors(1);
    player.Alive = -1;
    player.X = level.start.x;
    player.Y = level.start.y;
    player.SpeedX = 0;
    player.SpeedY = 0;
    SizeFromPicture(player, FrmPics().Character);
    for (int k = 0; k < 3; ++k) AddEnemy(k + 2, level.enemies[k]);
}

void PlacePlayer(const LevelFacts& level) {
    using namespace GameData;
    Actors(1).X = level.start.x;
    Actors(1).Y = level.start.y;
}

void PlaceEnemies(const LevelFacts& level) {
    using namespace GameData;
    for (int k = 0; k < 3; ++k) Actors(k + 2).X = level.enemies[k].x;
    for (int k = 0; k < 3; ++k) Actors(k + 2).Y = level.enemies[k].y;
    const platform::PictureBox& picture = EnemySpriteSet(level.spriteSet).facingLeft;
    for (int k = 0; k < 3; ++k) SizeFromPicture(Actors(k + 2), picture);
}

}  // namespace game
