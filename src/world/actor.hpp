// The actor record and the 1-based actor table (1 = the player, 2..4 = enemies 1..3).
#pragma once
#include <vector>

#include "platform/core/checked.hpp"

namespace game {

using platform::f32;
using platform::i16;
using platform::i32;

struct Actor {
    i32 X = 0;
    i32 Y = 0;
    f32 SpeedX = 0;
    f32 SpeedY = 0;
    i16 Alive = 0;
    i16 Width = 0;
    i16 Height = 0;
};

class ActorTable {
  public:
    // Index outside 1..Upper(): run-time error 9.
    Actor& operator()(int index);
    // Resizes to 1..upper keeping the existing entries; new entries start all zero.
    void Redim(int upper);
    int Upper() const { return int(actors_.size()); }
    void Clear() { actors_.clear(); }

  private:
    std::vector<Actor> actors_;
};

}  // namespace game
