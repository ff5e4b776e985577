// Bakes every level from their descriptions in resources/levels/: the map picture the
// player sees and the black-and-white mask the game reads as solid ground.
#include <stdexcept>
#include <string>

#include "bakers.hpp"
#include "level_check.hpp"
#include "level_layout.hpp"
#include "level_paint.hpp"
#include "level_table.hpp"
#include "level_terrain.hpp"
#include "raster.hpp"

namespace baker {
namespace {

void BakeLevel(const LevelLayout& level, const std::string& mapsDir) {
    const std::string description = level.name + " (level " + std::to_string(level.number) + ")";
    const SolidMap solid = BuildSolidMap(level);
    std::string report;
    for (const std::string& problem : CheckLevel(level, solid)) report += "\n  " + problem;
    if (!report.empty())
        throw std::runtime_error(description + " is not playable:" + report);

    Image map;
    if (level.theme == "swamp")
        map = PaintSwamp(level, solid);
    else if (level.theme == "caves")
        map = PaintCaves(level, solid);
    else
        throw std::runtime_error(description + ": unknown theme '" + level.theme + "'");
    SaveBmp8(map, mapsDir + level.name + ".MAP");
    SaveBmp8(MaskImage(solid), mapsDir + level.name + ".MSK");
}

}  // namespace

void BakeLevels(const std::string& resources, const std::string& app) {
    const std::string dir = app + "/maps/";
    EnsureDirectory(dir);
    for (const LevelLayout& level : LoadLevelSet(resources + "/levels")) BakeLevel(level, dir);
}

}  // namespace baker
