// The enemy pictures of a level's sprite set: the enemy facing either way and its shot, each
// with its mask.
#pragma once
#include "platform/forms/picture_box.hpp"

namespace game {

struct EnemySprites {
    platform::PictureBox& facingLeft;
    platform::PictureBox& facingLeftMask;
    platform::PictureBox& facingRight;
    platform::PictureBox& facingRightMask;
    platform::PictureBox& shot;
    platform::PictureBox& shotMask;
};

// Set 1: the swamp's frog-men (l1...); set 2: the caves' guards (l2...).
EnemySprites EnemySpriteSet(int set);

}  // namespace game
