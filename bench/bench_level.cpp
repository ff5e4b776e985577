// The mask scan and the grid cache read of a 12,000 x 600 level against plain passes over the
// same pixels and bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "level/grid_cache.hpp"
#include "level/mask_scan.hpp"
#include "platform/core/surface.hpp"
#include "world/game_data.hpp"

namespace {

constexpr int kW = 12000, kH = 600;

// A mask with ground, platforms and pits, about a third of it solid.
const platform::Surface& TestMask() {
    static platform::Surface mask = [] {
        platform::Surface m(kW, kH, 0xFFFFFF);
        for (int x = 0; x < kW; x += 400) {
            m.FillRect(x, 420 + (x / 400 % 5) * 10, 330, kH, 0);
            m.FillRect(x + 120, 250, 150, 20, 0);
        }
        m.Set(5, 5, 0x000001);
        return m;
    }();
    return mask;
}

void NoYield() {}

void BM_MaskScan(benchmark::State& state) {
    game::CellGrid grid;
    for (auto _ : state) {
        game::ScanMask(TestMask(), kW + 4, kH + 4, grid, NoYield);
        benchmark::DoNotOptimize(grid.data());
    }
}
BENCHMARK(BM_MaskScan)->Unit(benchmark::kMillisecond);

void BM_FloorCountBlackPixels(benchmark::State& state) {
    for (auto _ : state) {
        size_t black = 0;
        const platform::Surface& m = TestMask();
        for (int y = 0; y < kH; ++y) {
            const uint32_t* row = m.row(y);
            for (int x = 0; x < kW; ++x) black += row[x] == 0;
        }
        benchmark::DoNotOptimize(black);
    }
}
BENCHMARK(BM_FloorCountBlackPixels)->Unit(benchmark::kMillisecond);

std::string CacheFile() {
    static std::string path = [] {
        std::string p = (std::filesystem::temp_directory_path() / "dunspelt-bench.DAT").string();
        game::CellGrid grid;
        game::ScanMask(TestMask(), kW + 4, kH + 4, grid, NoYield);
        game::GameData::SolidGrid = grid;
        game::GameData::GridWidth = kW + 4;
        game::GameData::GridHeight = kH + 4;
        game::WriteGridCache(p);
        return p;
    }();
    return path;
}

void BM_GridCacheRead(benchmark::State& state) {
    const std::string path = CacheFile();
    for (auto _ : state) {
        bool ok = game::ReadGridCache(path, kW + 4, kH + 4);
        if (!ok)
            state.SkipWithError("cache not read");
        benchmark::DoNotOptimize(game::GameData::SolidGrid.data());
    }
}
BENCHMARK(BM_GridCacheRead)->Unit(benchmark::kMillisecond);

void BM_FloorReadFile(benchmark::State& state) {
    const std::string path = CacheFile();
    for (auto _ : state) {
        std::vector<char> buffer(std::filesystem::file_size(path));
        std::FILE* f = std::fopen(path.c_str(), "rb");
        size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_FloorReadFile)->Unit(benchmark::kMillisecond);

}  // namespace
