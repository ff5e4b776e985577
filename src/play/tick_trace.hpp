// One trace line per tick with the whole world state, the HUD captions and the window title.
#pragma once
#include <cstdint>

namespace game {

void WriteTickTrace(int64_t tick);

}  // namespace game
