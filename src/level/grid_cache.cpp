#include "level/grid_cache.hpp"

#include <bit>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "assets/frm_pics.hpp"
#include "level/level_resources.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

using platform::i16;

i16 ReadLe16(const unsigned char* bytes) {
    return i16(uint16_t(bytes[0] | (bytes[1] << 8)));
}

void WriteLe16(unsigned char* bytes, i16 value) {
    bytes[0] = uint8_t(uint16_t(value) & 0xFF);
    bytes[1] = uint8_t(uint16_t(value) >> 8);
}

// The cells travel as one block; only a big-endian host needs to swap them.
constexpr bool kCellsNeedSwap = std::endian::native == std::endian::big;

void SwapCells(CellGrid& cells) {
    for (i16& c : cells) c = i16(uint16_t((uint16_t(c) << 8) | (uint16_t(c) >> 8)));
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

bool ReadGridCache(const std::string& path, i16 expectedWidth, i16 expectedHeight) {
    std::error_code ec;
    const auto length = std::filesystem::file_size(path, ec);
    if (ec)
        return false;
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    unsigned char header[4];
    if (std::fread(header, 1, 4, file.get()) != 4)
        return false;
    const i16 width = ReadLe16(header), height = ReadLe16(header + 2);
    if (width <= 0 || height <= 0 || width != expectedWidth || height != expectedHeight)
        return false;
    if (int64_t(length) != GridCacheLength(width, height))
        return false;
    CellGrid cells(size_t(width) * size_t(height));
    if (std::fread(cells.data(), 2, cells.size(), file.get()) != cells.size())
        return false;
    if constexpr (kCellsNeedSwap)
        SwapCells(cells);
    GameData::GridWidth = width;
    GameData::GridHeight = height;
    GameData::SolidGrid.swap(cells);
    return true;
}

bool WriteGridCache(const std::string& path) {
    using namespace GameData;
    const std::string temp = path + ".part";
    CellGrid swapped;
    if constexpr (kCellsNeedSwap) {
        swapped = SolidGrid;
        SwapCells(swapped);
    }
    const CellGrid& cells = kCellsNeedSwap ? swapped : SolidGrid;
    unsigned char header[4];
    WriteLe16(header, GridWidth);
    WriteLe16(header + 2, GridHeight);
    bool ok = false;
    if (File file{std::fopen(temp.c_str(), "wb")}) {
        ok = std::fwrite(header, 1, 4, file.get()) == 4 &&
             std::fwrite(cells.data(), 2, cells.size(), file.get()) == cells.size() &&
             std::fflush(file.get()) == 0;
        ok = std::fclose(file.release()) == 0 && ok;
    }
    std::error_code renameError, ignored;
    if (ok)
        std::filesystem::rename(temp, path, renameError);
    ok = ok && !renameError;
    if (!ok)
        std::filesystem::remove(temp, ignored);
    return ok;
}

void SaveSolidGrid(const std::string& path) {
    (void)WriteGridCache(path);
}

platform::i16 LoadSolidGrid(const std::string& path) {
    // The grid of a map picture W x H has W + 4 columns and H + 4 rows: the box's outer size.
    const i16 width = platform::RoundToI16(FrmPics().MapPicture.Width());
    const i16 height = platform::RoundToI16(FrmPics().MapPicture.Height());
    return ReadGridCache(path, width, height) ? -1 : 0;
}

}  // namespace game
