// The numbered world-state variables of shot slot j and enemy k, reached by number.
#pragma once
#include "world/game_data.hpp"

namespace game {

struct ShotSlotRef {
    platform::i16& active;
    platform::i32& x;
    platform::i32& y;
};

inline ShotSlotRef PlayerShot(int j) {
    using namespace GameData;
    if (j == 1)
        return {Shot1Active, Shot1X, Shot1Y};
    if (j == 2)
        return {Shot2Active, Shot2X, Shot2Y};
    return {Shot3Active, Shot3X, Shot3Y};
}

inline platform::i16& EnemyHP(int k) {
    using namespace GameData;
    return k == 1 ? EnemyHP1 : k == 2 ? EnemyHP2 : EnemyHP3;
}

inline platform::i16& EnemyFacesLeft(int k) {
    using namespace GameData;
    return k == 1 ? EnemyFacesLeft1 : k == 2 ? EnemyFacesLeft2 : EnemyFacesLeft3;
}

inline platform::i16& EnemyShotFired(int k) {
    using namespace GameData;
    return k == 1 ? EnemyShotFired1 : k == 2 ? EnemyShotFired2 : EnemyShotFired3;
}

}  // namespace game
