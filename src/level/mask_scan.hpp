// Turning a mask picture into the collision grid.
#pragma once
#include <vector>

#include "platform/core/checked.hpp"
#include "platform/core/surface.hpp"
#include "world/game_data.hpp"

namespace game {

// Rows scanned between two calls that let the window system process pending events.
constexpr int kMaskRowsPerYield = 16;

// Fills a gridWidth x gridHeight grid (x fastest): -1 where the mask pixel is exactly black,
// 0 elsewhere, including every cell beyond the mask picture. `yield` runs every few rows.
void ScanMask(const platform::Surface& mask, platform::i16 gridWidth, platform::i16 gridHeight,
              CellGrid& grid, void (*yield)());

}  // namespace game
