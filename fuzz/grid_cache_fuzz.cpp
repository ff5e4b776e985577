// Fuzzes the collision-grid cache reader with its validation. The input is the expected grid
// size (two little-endian i16) followed by the bytes of the ".DAT" file. The real reader runs on
// a real file, so the length check, the header check and the block read are all exercised.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "level/grid_cache.hpp"
#include "world/game_data.hpp"

namespace {

using platform::i16;

i16 Le16(const uint8_t* p) {
    return i16(uint16_t(p[0] | (p[1] << 8)));
}

const std::string& CachePath() {
    // /dev/shm keeps the many small writes off the disk when it exists.
    static const std::string path =
        std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/dunspelt-fuzz-" +
        std::to_string(getpid()) + ".DAT";
    static const bool removedAtExit = std::atexit([] { std::remove(CachePath().c_str()); }) == 0;
    (void)removedAtExit;
    return path;
}

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "grid cache fuzz: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    const i16 expectedWidth = Le16(data), expectedHeight = Le16(data + 2);
    const uint8_t* file = data + 4;
    const size_t fileSize = size - 4;
    if (std::FILE* f = std::fopen(CachePath().c_str(), "wb")) {
        const bool written = std::fwrite(file, 1, fileSize, f) == fileSize;
        Check(std::fclose(f) == 0 && written, "cannot write the temporary cache");
    } else {
        Check(false, "cannot create the temporary cache");
    }

    // A marker grid that a rejected file must leave exactly as it was.
    using namespace game::GameData;
    GridWidth = 3;
    GridHeight = 1;
    SolidGrid = {-1, 0, -1};
    const bool read = game::ReadGridCache(CachePath(), expectedWidth, expectedHeight);

    const bool shouldRead =
        fileSize >= 4 && expectedWidth > 0 && expectedHeight > 0 && Le16(file) == expectedWidth &&
        Le16(file + 2) == expectedHeight &&
        int64_t(fileSize) == game::GridCacheLength(expectedWidth, expectedHeight);
    Check(read == shouldRead, "accepted a bad cache or rejected a good one");
    if (!read) {
        Check(GridWidth == 3 && GridHeight == 1 && SolidGrid == game::CellGrid{-1, 0, -1},
              "a rejected cache changed the grid");
        return 0;
    }
    Check(GridWidth == expectedWidth && GridHeight == expectedHeight, "wrong dimensions");
    Check(SolidGrid.size() == size_t(GridWidth) * size_t(GridHeight), "wrong cell count");
    for (size_t i = 0; i < SolidGrid.size(); ++i)
        Check(SolidGrid[i] == Le16(file + 4 + 2 * i), "a cell differs from the file");
    return 0;
}
