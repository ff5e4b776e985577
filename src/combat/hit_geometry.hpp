// Boxes in play-area pixels and the edge test shared by every hit test.
#pragma once
#include "platform/core/checked.hpp"

namespace game {

// Both ends inclusive.
struct ScreenBox {
    platform::i16 Left = 0, Right = 0, Top = 0, Bottom = 0;
};

// True when one of the mover's vertical edges lies in the target's horizontal span and one of
// its horizontal edges in the target's vertical span. Only the mover's edges are tested.
bool EdgesOverlap(const ScreenBox& mover, const ScreenBox& target);

// The player's box uses the outer size of the hugo1 store picture (50 x 69), not Width x Height.
ScreenBox PlayerBox();
// Enemy k (1..3) is actor k + 1, boxed by its own Width x Height.
ScreenBox EnemyBox(int k);
// A shot at play-area (x, y), sized by the outer size of the Bullet store picture (34 x 14).
ScreenBox ShotBox(platform::i32 x, platform::i32 y);

}  // namespace game
