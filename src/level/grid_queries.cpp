#include "level/grid_queries.hpp"

#include "world/game_data.hpp"

namespace game {

using platform::i16;
using platform::i32;

i16 IsSolid(i32 x, i32 y) {
    using namespace GameData;
    if (x < 0)
        return -1;
    if (y < 0)
        return -1;
    // The last column and row count as solid; an empty grid is solid everywhere.
    if (x >= platform::Sub16(GridWidth, 1))
        return -1;
    if (y >= platform::Sub16(GridHeight, 1))
        return -1;
    const size_t index = size_t(x) + size_t(y) * size_t(GridWidth);
    if (index >= SolidGrid.size())
        platform::Raise(platform::kErrSubscript);
    return SolidGrid[index] == -1 ? -1 : 0;
}

i16 ProbeGround(i32 x, i32 y) {
    if (IsSolid(x, y) == -1) {
        GameData::OnGround = 1;
        return -1;
    }
    GameData::OnGround = 0;
    return 0;
}

i16 GroundDistance(i32 x, i32 y) {
    for (i16 i = 0; i <= 100; ++i)
        if (IsSolid(x, platform::Sub32(y, i)) == 0)
            return i;
    return 0;
}

}  // namespace game
