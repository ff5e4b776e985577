#include "level/grid_queries.hpp"

namespace game {

platform::i16 IsSolid(platform::i32, platform::i32) {
    return 0;
}

platform::i16 ProbeGround(platform::i32, platform::i32) {
    return 0;
}

platform::i16 GroundDistance(platform::i32, platform::i32) {
    return 0;
}

}  // namespace game
