// Scaling a whole frame on the processor (a scrolling view changes all of it), in target pixels
// per second, against writing as many pixels with memcpy: the floor of any scaler.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/core/surface.hpp"
#include "platform/display/sharp_scaler.hpp"

using platform::Surface;

namespace {

constexpr int kWindowW = 794, kWindowH = 575;

// state.range(0): the shown height; the width follows the picture's shape.
void BM_SharpScaleWholeFrame(benchmark::State& state) {
    const int height = int(state.range(0)), width = height * kWindowW / kWindowH;
    Surface picture(kWindowW, kWindowH);
    for (int y = 0; y < kWindowH; ++y)
        for (int x = 0; x < kWindowW; ++x)
            picture.Set(x, y, uint32_t(x * 2654435761u ^ y) & 0xFFFFFF);
    platform::SharpScaler scaler;
    scaler.Configure({kWindowW, kWindowH}, {0, 0, width, height});
    std::vector<uint32_t> target(size_t(width) * size_t(height));
    const platform::display::Rect all = scaler.TargetOf({0, 0, kWindowW, kWindowH});
    for (auto _ : state) {
        scaler.Draw(picture, all, target.data(), width);
        benchmark::DoNotOptimize(target.data());
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}
// Scales 1, 2, 3 and fullscreen on a 2160-line display (3.76).
BENCHMARK(BM_SharpScaleWholeFrame)->Arg(575)->Arg(1150)->Arg(1725)->Arg(2160);

void BM_FloorMemcpyFrame(benchmark::State& state) {
    const int height = int(state.range(0)), width = height * kWindowW / kWindowH;
    std::vector<uint32_t> source(size_t(width) * size_t(height), 1), target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size() * 4);
        benchmark::DoNotOptimize(target.data());
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_FloorMemcpyFrame)->Arg(575)->Arg(1150)->Arg(1725)->Arg(2160);

}  // namespace
