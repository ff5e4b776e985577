#include "level/level_resources.hpp"

#include <cstdio>
#include <filesystem>

#include "assets/frm_pics.hpp"
#include "platform/core/picture_file.hpp"
#include "world/game_data.hpp"

namespace game {

void LoadLevelResources(const std::string& folder, const std::string& baseName) {
    const std::string base = folder + baseName;
    // The previous level's pictures and grid are let go before the new ones are read, so these
    // reuse that memory instead of touching fresh pages; every path below fills both again.
    FrmPics().MapPicture.SetPicture(nullptr);
    CellGrid().swap(GameData::SolidGrid);
    FrmPics().MapPicture.SetPicture(platform::LoadPicture(base + ".MAP"));
    const std::string cache = base + ".DAT";
    // A damaged or stale cache counts as missing: the grid is built afresh and rewritten.
    if (FileExists(cache) == -1 && LoadSolidGrid(cache) == -1)
        return;
    FrmPics().MapMask.SetPicture(nullptr);
    FrmPics().MapMask.SetPicture(platform::LoadPicture(base + ".MSK"));
    BuildSolidGrid();
    SaveSolidGrid(cache);
}

platform::i16 FileExists(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return 0;
    std::fclose(file);
    return -1;
}

}  // namespace game
