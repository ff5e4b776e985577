#include <gtest/gtest.h>

#include "platform/surface.hpp"

using platform::BitBlt;
using platform::Rop;
using platform::Surface;

namespace {

// A surface whose every pixel is distinct, so that a wrong offset shows.
Surface Numbered(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.Set(x, y, uint32_t(0x010000 * (y + 1) + x + 1));
    return s;
}

}  // namespace

TEST(BitBlt, RasterOperationsCombineBitsExactly) {
    Surface dest(2, 1, 0x00F0F0F0), src(2, 1, 0x000FF00F);
    BitBlt(dest, 0, 0, 2, 1, src, 0, 0, Rop::kSrcAnd);
    EXPECT_EQ(dest.At(0, 0), 0x0000F000u);
    BitBlt(dest, 0, 0, 1, 1, src, 0, 0, Rop::kSrcPaint);
    EXPECT_EQ(dest.At(0, 0), 0x000FF00Fu);
    BitBlt(dest, 1, 0, 1, 1, Surface(1, 1, 0x123456), 0, 0, Rop::kSrcCopy);
    EXPECT_EQ(dest.At(1, 0), 0x123456u);
}

TEST(BitBlt, MaskThenSpriteLeavesBackgroundWhereMaskIsWhite) {
    Surface back(3, 1, 0x336699);
    Surface mask(3, 1, 0xFFFFFF), sprite(3, 1, 0);
    mask.Set(1, 0, 0);
    sprite.Set(1, 0, 0xAA0000);
    for (int twice = 0; twice < 2; ++twice) {  // drawing twice equals drawing once
        BitBlt(back, 0, 0, 3, 1, mask, 0, 0, Rop::kSrcAnd);
        BitBlt(back, 0, 0, 3, 1, sprite, 0, 0, Rop::kSrcPaint);
    }
    EXPECT_EQ(back.At(0, 0), 0x336699u);
    EXPECT_EQ(back.At(1, 0), 0xAA0000u);
    EXPECT_EQ(back.At(2, 0), 0x336699u);
}

TEST(BitBlt, ClipsAtEveryDestinationEdge) {
    const Surface src = Numbered(4, 4);
    struct Case {
        int x, y;
    };
    for (Case c : {Case{-2, 0}, {0, -3}, {3, 0}, {0, 3}, {-3, -3}, {3, 3}}) {
        Surface dest(5, 5, 0xFFFFFF);
        BitBlt(dest, c.x, c.y, 4, 4, src, 0, 0, Rop::kSrcCopy);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                int sx = x - c.x, sy = y - c.y;
                bool inside = sx >= 0 && sy >= 0 && sx < 4 && sy < 4;
                EXPECT_EQ(dest.At(x, y), inside ? src.At(sx, sy) : 0xFFFFFFu)
                    << "at " << x << "," << y << " blit to " << c.x << "," << c.y;
            }
    }
}

TEST(BitBlt, TransfersOnlyThePartOfTheSourceInsideTheSource) {
    const Surface src = Numbered(3, 2);
    Surface dest(6, 6, 0xFFFFFF);
    // A rectangle larger than the source, starting left of and above it.
    BitBlt(dest, 1, 1, 5, 5, src, -1, -1, Rop::kSrcCopy);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            int sx = x - 2, sy = y - 2;
            bool inside = sx >= 0 && sy >= 0 && sx < 3 && sy < 2;
            EXPECT_EQ(dest.At(x, y), inside ? src.At(sx, sy) : 0xFFFFFFu) << x << "," << y;
        }
}

TEST(BitBlt, FarOffScreenAndEmptyRectanglesTouchNothing) {
    const Surface src = Numbered(4, 4);
    Surface dest(4, 4, 7);
    BitBlt(dest, 2147483000, 0, 4, 4, src, 0, 0, Rop::kSrcCopy);
    BitBlt(dest, -2147483000, -2147483000, 4, 4, src, 0, 0, Rop::kSrcCopy);
    BitBlt(dest, 0, 0, 0, 4, src, 0, 0, Rop::kSrcCopy);
    BitBlt(dest, 0, 0, -4, 4, src, 0, 0, Rop::kSrcCopy);
    EXPECT_EQ(dest, Surface(4, 4, 7));
}

TEST(GetPixel, ReturnsColourRefInsideAndInvalidOutside) {
    Surface s(2, 2, 0x102030);
    EXPECT_EQ(platform::GetPixel(s, 1, 1), 0x302010u);
    EXPECT_EQ(platform::GetPixel(s, 2, 0), platform::kInvalidColour);
    EXPECT_EQ(platform::GetPixel(s, 0, -1), platform::kInvalidColour);
}
