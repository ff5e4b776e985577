// Blits: the masked sprite draw and the full-view copy, in pixels per second, against memcpy.
#include <benchmark/benchmark.h>

#include <cstring>

#include "platform/core/surface.hpp"

using platform::BitBlt;
using platform::Rop;
using platform::Surface;

namespace {

constexpr int kViewW = 796, kViewH = 546, kSpriteW = 46, kSpriteH = 65;

void BM_MaskedSpriteDraw(benchmark::State& state) {
    Surface back(kViewW, kViewH, 0x204060), sprite(kSpriteW, kSpriteH, 0x00A0A0),
        mask(kSpriteW, kSpriteH, 0xFFFFFF);
    mask.FillRect(10, 5, 26, 55, 0);
    for (auto _ : state) {
        BitBlt(back, 375, 240, kSpriteW, kSpriteH, mask, 0, 0, Rop::kSrcAnd);
        BitBlt(back, 375, 240, kSpriteW, kSpriteH, sprite, 0, 0, Rop::kSrcPaint);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetItemsProcessed(state.iterations() * kSpriteW * kSpriteH);
}
BENCHMARK(BM_MaskedSpriteDraw);

void BM_FloorMemcpySprite(benchmark::State& state) {
    Surface back(kViewW, kViewH), sprite(kSpriteW, kSpriteH, 1);
    for (auto _ : state) {
        // Two passes over the sprite's rows, as the mask and the sprite are two blits.
        for (int pass = 0; pass < 2; ++pass)
            for (int y = 0; y < kSpriteH; ++y)
                std::memcpy(back.row(240 + y) + 375, sprite.row(y), kSpriteW * 4);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetItemsProcessed(state.iterations() * kSpriteW * kSpriteH);
}
BENCHMARK(BM_FloorMemcpySprite);

void BM_FullViewCopy(benchmark::State& state) {
    Surface map(12400, 600, 0x336699), back(kViewW, kViewH);
    for (auto _ : state) {
        BitBlt(back, 0, 0, kViewW, kViewH, map, 5000, 30, Rop::kSrcCopy);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetItemsProcessed(state.iterations() * kViewW * kViewH);
}
BENCHMARK(BM_FullViewCopy);

void BM_FloorMemcpyView(benchmark::State& state) {
    Surface map(12400, 600, 0x336699), back(kViewW, kViewH);
    for (auto _ : state) {
        for (int y = 0; y < kViewH; ++y)
            std::memcpy(back.row(y), map.row(30 + y) + 5000, kViewW * 4);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetItemsProcessed(state.iterations() * kViewW * kViewH);
}
BENCHMARK(BM_FloorMemcpyView);

}  // namespace
