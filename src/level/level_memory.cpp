#include "level/level_memory.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "level/level_resources.hpp"
#include "level/level_table.hpp"
#include "platform/core/checked.hpp"
#include "platform/core/large_blocks.hpp"
#include "platform/core/picture_file.hpp"

namespace game {

void WarmLevelMemory(const std::string& folder) {
    size_t mapBytes = 0, gridBytes = 0, maskBytes = 0;
    for (const LevelFacts& facts : Levels()) {
        const std::string level = facts.baseName;
        const auto size = platform::ReadPictureSize(folder + level + ".MAP");
        if (!size)
            continue;
        const size_t width = size_t(size->width), height = size_t(size->height);
        mapBytes = std::max(mapBytes, width * height * sizeof(uint32_t));
        // The grid has the map box's outer size: 4 more columns and rows.
        gridBytes = std::max(gridBytes, (width + 4) * (height + 4) * sizeof(platform::i16));
        // Without a grid cache the mask picture is read as well, to be scanned.
        if (FileExists(folder + level + ".DAT") == 0)
            maskBytes = std::max(maskBytes, width * height * sizeof(uint32_t));
    }
    std::vector<size_t> blocks;
    for (size_t bytes : {mapBytes, gridBytes, maskBytes})
        if (bytes > 0)
            blocks.push_back(bytes);
    platform::WarmLargeBlocks(std::move(blocks));
}

}  // namespace game
