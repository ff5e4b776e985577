#include "render/scene.hpp"

#include "assets/enemy_sprites.hpp"
#include "assets/frm_pics.hpp"
#include "level/level_table.hpp"
#include "render/blit.hpp"
#include "render/walk_cycle.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

using platform::Add32;
using platform::PictureBox;
using platform::Sub32;

constexpr i32 kShotStep = 10;

// Shots are drawn at the picture box's outer size.
i16 OuterWidth(const PictureBox& box) {
    return platform::RoundToI16(box.Width());
}
i16 OuterHeight(const PictureBox& box) {
    return platform::RoundToI16(box.Height());
}

void DrawPlayer() {
    using namespace GameData;
    Actor& player = Actors(1);
    const i32 sx = Sub32(player.X, CameraX);
    const i32 sy = Sub32(player.Y, CameraY);
    const bool visible = RangeTest(player.X, player.Y, player.Width, player.Height) == -1;
    if (visible && player.Alive == -1)
        BlitPlayerSprite(sx, sy, player.Width, player.Height, FrmPics().Character.Hdc(),
                         FrmPics().CharacterMask.Hdc());
}

struct DrawnShot {
    i16& active;
    i16& dir;
    i32& x;
    i32& y;
};

void DrawAndMovePlayerShot(DrawnShot slot) {
    if (slot.active != 1)
        return;
    FrmPicsForm& pics = FrmPics();
    const i16 w = OuterWidth(pics.Bullet), h = OuterHeight(pics.Bullet);
    if (slot.dir == 1) {
        const i32 x = Sub32(Add32(slot.x, GameData::Actors(1).Width), 5);
        BlitShotSprite(x, Add32(slot.y, 33), w, h, pics.Bullet.Hdc(), pics.BulletMask.Hdc());
        slot.x = Add32(slot.x, kShotStep);
    }
    if (slot.dir == 0) {
        BlitShotSprite(Sub32(slot.x, 25), Add32(slot.y, 33), w, h, pics.Bullet.Hdc(),
                       pics.BulletMask.Hdc());
        slot.x = Sub32(slot.x, kShotStep);
    }
}

struct EnemySlot {
    int actor;  // 2..4
    i16& shotFired;
    i16& facesLeft;  // 0: faces left, 1: faces right
    i16& hp;
};

// The one shared enemy shot, drawn and moved once for each enemy whose shot flag is set.
void FlyEnemyShot(EnemySlot enemy, const EnemySprites& sprites, i32 yOffset) {
    PictureBox& sprite = sprites.shot;
    PictureBox& mask = sprites.shotMask;
    using namespace GameData;
    const i16 w = OuterWidth(sprite), h = OuterHeight(sprite);
    const i32 y = Add32(EnemyShotY, yOffset);
    if (enemy.facesLeft == 0) {
        BlitShotSprite(EnemyShotX, y, w, h, sprite.Hdc(), mask.Hdc());
        EnemyShotX = Sub32(EnemyShotX, kShotStep);
        if (EnemyShotX < -100)
            enemy.shotFired = 0;
    }
    if (enemy.facesLeft == 1) {
        const i32 x = Sub32(Add32(EnemyShotX, Actors(enemy.actor).Width), 5);
        BlitShotSprite(x, y, w, h, sprite.Hdc(), mask.Hdc());
        EnemyShotX = Add32(EnemyShotX, kShotStep);
        if (EnemyShotX > 1000)
            enemy.shotFired = 0;
    }
}

void DrawEnemyShot(EnemySlot enemy) {
    if (enemy.shotFired != 1)
        return;
    // The HUD's level, read afresh; a number no level has draws no enemy shot.
    if (const LevelFacts* level = LevelShown())
        FlyEnemyShot(enemy, EnemySpriteSet(level->spriteSet), level->enemyShotDrop);
}

void DrawEnemyFacing(const Actor& a, i16 facesLeft, const EnemySprites& sprites) {
    const i32 ex = Sub32(a.X, GameData::CameraX);
    const i32 ey = Sub32(a.Y, GameData::CameraY);
    if (facesLeft == 0)
        BlitEnemySprite(ex, ey, a.Width, a.Height, sprites.facingLeft.Hdc(),
                        sprites.facingLeftMask.Hdc());
    if (facesLeft == 1)
        BlitEnemySprite(ex, ey, a.Width, a.Height, sprites.facingRight.Hdc(),
                        sprites.facingRightMask.Hdc());
}

void DrawEnemy(EnemySlot enemy) {
    // The HUD's level, read afresh; a number no level has draws no enemies.
    const LevelFacts* level = LevelShown();
    if (level != nullptr && enemy.hp > 0)
        DrawEnemyFacing(GameData::Actors(enemy.actor), enemy.facesLeft,
                        EnemySpriteSet(level->spriteSet));
}

}  // namespace

void DrawScene() {
    using namespace GameData;
    SelectWalkFrame();
    // Bottom to top: player, player shots, enemy-shot draws, enemies.
    DrawPlayer();
    DrawAndMovePlayerShot({Shot1Active, Shot1Dir, Shot1X, Shot1Y});
    DrawAndMovePlayerShot({Shot2Active, Shot2Dir, Shot2X, Shot2Y});
    DrawAndMovePlayerShot({Shot3Active, Shot3Dir, Shot3X, Shot3Y});
    const EnemySlot enemies[] = {{2, EnemyShotFired1, EnemyFacesLeft1, EnemyHP1},
                                 {3, EnemyShotFired2, EnemyFacesLeft2, EnemyHP2},
                                 {4, EnemyShotFired3, EnemyFacesLeft3, EnemyHP3}};
    for (const EnemySlot& e : enemies) DrawEnemyShot(e);
    for (const EnemySlot& e : enemies) DrawEnemy(e);
}

platform::i16 RangeTest(platform::i32 x, platform::i32 y, platform::i16 width,
                        platform::i16 height) {
    using namespace GameData;
    // All four sums are formed before any comparison, each in 32 bits.
    const i32 right = Add32(x, width), viewRight = Add32(CameraX, ViewWidth);
    const i32 bottom = Add32(y, height), viewBottom = Add32(CameraY, ViewHeight);
    const bool visible = right > CameraX && x < viewRight && bottom > CameraY && y < viewBottom;
    return visible ? -1 : 0;
}

}  // namespace game
