// Placeholder levels: flat ground under every start position, a pit, and room past the end.
#include <string>

#include "bakers.hpp"
#include "raster.hpp"

namespace baker {
namespace {

void Ground(Image& map, Image& mask, int x, int w, int top) {
    map.FillRect(x, top, w, map.height - top, 0x5A4630);
    mask.FillRect(x, top, w, mask.height - top, 0);
}

}  // namespace

void BakeLevels(const std::string&, const std::string& app) {
    const std::string dir = app + "/maps/";
    EnsureDirectory(dir);
    {
        Image map(10400, 600, 0x6A8CA8), mask(10400, 600, 0xFFFFFF);
        Ground(map, mask, 0, 3000, 454);
        Ground(map, mask, 3100, 7300, 454);
        SaveBmp8(map, dir + "level1.MAP");
        SaveBmp8(mask, dir + "level1.MSK");
    }
    {
        Image map(12400, 600, 0x202028), mask(12400, 600, 0xFFFFFF);
        Ground(map, mask, 0, 4300, 404);
        Ground(map, mask, 4300, 200, 234);
        Ground(map, mask, 4500, 5600, 404);
        Ground(map, mask, 10100, 2300, 389);
        SaveBmp8(map, dir + "level2.MAP");
        SaveBmp8(mask, dir + "level2.MSK");
    }
}

}  // namespace baker
