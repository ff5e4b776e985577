#include <gtest/gtest.h>

#include <iterator>
#include <set>

#include "platform/core/surface.hpp"

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

TEST(SharedPixels, AWholePictureCopyIsSharedUntilEitherSideIsWrittenInAnyWay) {
    const Surface original = Numbered(4, 3);
    using Write = void (*)(Surface&);
    const Write writes[] = {
        [](Surface& s) { s.Set(1, 1, 0xABCDEF); },
        [](Surface& s) { s.row(2)[3] = 0xABCDEF; },
        [](Surface& s) { s.FillRect(0, 0, 1, 1, 0xABCDEF); },
        [](Surface& s) { s.Fill(0xABCDEF); },
        [](Surface& s) { s.Reset(4, 3, 0xABCDEF); },
        [](Surface& s) { BitBlt(s, 1, 0, 2, 2, Surface(2, 2, 0xABCDEF), 0, 0, Rop::kSrcCopy); },
        [](Surface& s) { BitBlt(s, 0, 0, 4, 3, Surface(4, 3, 0xF0F0F0), 0, 0, Rop::kSrcAnd); },
        [](Surface& s) { BitBlt(s, 0, 0, 4, 3, Numbered(6, 5), 1, 2, Rop::kSrcCopy); },
    };
    for (size_t i = 0; i < std::size(writes); ++i)
        for (bool writeTheCopy : {true, false}) {
            Surface source = original;
            Surface copy(4, 3);
            BitBlt(copy, 0, 0, 4, 3, source, 0, 0, Rop::kSrcCopy);
            ASSERT_TRUE(copy.SharesPixelsWith(source));
            Surface& written = writeTheCopy ? copy : source;
            Surface& kept = writeTheCopy ? source : copy;
            writes[i](written);
            EXPECT_EQ(kept, original) << "write " << i << (writeTheCopy ? " to the copy" : "");
            EXPECT_NE(written, original) << "write " << i;
            EXPECT_FALSE(copy.SharesPixelsWith(source));
        }
}

TEST(SharedPixels, CombiningTwoPicturesThatShareReadsTheSourceAsItWas) {
    Surface a = Numbered(3, 2);
    Surface b(3, 2);
    BitBlt(b, 0, 0, 3, 2, a, 0, 0, Rop::kSrcCopy);
    BitBlt(b, 0, 0, 3, 2, a, 0, 0, Rop::kSrcPaint);  // x | x == x
    EXPECT_EQ(b, a);
    BitBlt(b, 1, 0, 2, 2, a, 0, 0, Rop::kSrcCopy);  // a shifted copy, not a share
    EXPECT_EQ(b.At(1, 0), a.At(0, 0));
    EXPECT_EQ(b.At(2, 1), a.At(1, 1));
    EXPECT_EQ(a, Numbered(3, 2));
}

TEST(SharedPixels, TheDrawShowDrawCycleReusesTwoBlocksOfPixels) {
    // A back buffer drawn afresh from a larger map, then shown by a whole copy, every tick.
    const Surface map = Numbered(400, 120);
    Surface back(320, 100), shown(320, 100);
    std::set<const uint32_t*> blocks;
    for (int tick = 0; tick < 20; ++tick) {
        BitBlt(back, 0, 0, 320, 100, map, tick, 10, Rop::kSrcCopy);
        back.Set(5, 5, 0xFFFFFF);  // a sprite
        BitBlt(shown, 0, 0, 320, 100, back, 0, 0, Rop::kSrcCopy);
        blocks.insert(shown.data());
        EXPECT_EQ(shown.At(0, 0), map.At(tick, 10));
        EXPECT_EQ(shown.At(5, 5), 0xFFFFFFu);
    }
    EXPECT_LE(blocks.size(), 3u);
}

TEST(GetPixel, ReturnsColourRefInsideAndInvalidOutside) {
    Surface s(2, 2, 0x102030);
    EXPECT_EQ(platform::GetPixel(s, 1, 1), 0x302010u);
    EXPECT_EQ(platform::GetPixel(s, 2, 0), platform::kInvalidColour);
    EXPECT_EQ(platform::GetPixel(s, 0, -1), platform::kInvalidColour);
}
