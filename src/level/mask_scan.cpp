#include "level/mask_scan.hpp"

#include <algorithm>

#include "assets/frm_pics.hpp"
#include "level/level_resources.hpp"
#include "platform/forms/app.hpp"
#include "world/game_data.hpp"

namespace game {

void ScanMask(const platform::Surface& mask, platform::i16 gridWidth, platform::i16 gridHeight,
              CellGrid& grid, void (*yield)()) {
    const size_t width = size_t(std::max<int>(gridWidth, 0));
    const size_t height = size_t(std::max<int>(gridHeight, 0));
    // Every cell is written exactly once below, so a grid of the right size is reused as is.
    if (grid.size() != width * height) {
        CellGrid().swap(grid);
        grid.resize(width * height);
    }
    // Cells beyond the picture stay free, as a pixel read outside an image is never black.
    const int scanWidth = std::min<int>(int(width), mask.width());
    const int scanHeight = std::min<int>(int(height), mask.height());
    for (int y = 0; y < scanHeight; ++y) {
        if (y % kMaskRowsPerYield == 0 && yield)
            yield();
        const uint32_t* pixel = mask.row(y);
        platform::i16* cell = grid.data() + size_t(y) * width;
        // Only exactly (0,0,0) is solid; written without a branch so the loop vectorises.
        for (int x = 0; x < scanWidth; ++x) cell[x] = platform::i16(-platform::i16(pixel[x] == 0));
        std::fill(cell + scanWidth, cell + width, platform::i16(0));
    }
    std::fill(grid.begin() + long(size_t(scanHeight) * width), grid.end(), platform::i16(0));
}

void BuildSolidGrid() {
    using namespace GameData;
    // The box's outer size: the picture plus a 2-pixel frame each side, so 4 free extra
    // columns and rows. Height is read first.
    GridHeight = platform::RoundToI16(FrmPics().MapMask.Height());
    GridWidth = platform::RoundToI16(FrmPics().MapMask.Width());
    if (GridWidth <= 0 || GridHeight <= 0)
        platform::Raise(platform::kErrSubscript);
    ScanMask(FrmPics().MapMask.Hdc(), GridWidth, GridHeight, SolidGrid,
             [] { platform::App::Get().DoEvents(); });
}

}  // namespace game
