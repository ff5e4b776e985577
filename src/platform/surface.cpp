#include "platform/surface.hpp"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace platform {

Surface::Surface(int width, int height, uint32_t fill) {
    Reset(width, height, fill);
}

void Surface::Reset(int width, int height, uint32_t fill) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.assign(size_t(width_) * size_t(height_), fill);
}

void Surface::ResetForWriting(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.resize(size_t(width_) * size_t(height_));
}

void Surface::Fill(uint32_t colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void Surface::FillRect(int x, int y, int w, int h, uint32_t colour) {
    int x0 = std::max(0, x), y0 = std::max(0, y);
    int x1 = std::min(width_, x + w), y1 = std::min(height_, y + h);
    for (int yy = y0; yy < y1; ++yy) std::fill(row(yy) + x0, row(yy) + std::max(x0, x1), colour);
}

namespace {

// AND (mask) or OR (sprite) of one row; the distinct version lets the compiler vectorise.
template <bool kAnd>
void CombineRow(uint32_t* d, const uint32_t* s, int count) {
    for (int i = 0; i < count; ++i) d[i] = kAnd ? (d[i] & s[i]) : (d[i] | s[i]);
}

template <bool kAnd>
void CombineRowDistinct(uint32_t* __restrict d, const uint32_t* __restrict s, int count) {
    for (int i = 0; i < count; ++i) d[i] = kAnd ? (d[i] & s[i]) : (d[i] | s[i]);
}

}  // namespace

void BitBlt(Surface& dest, int x, int y, int w, int h, const Surface& src, int sx, int sy,
            Rop rop) {
    if (w <= 0 || h <= 0)
        return;
    // Work in 64 bits: callers pass 32-bit positions far off-screen.
    int64_t dx0 = x, dy0 = y, dx1 = int64_t(x) + w, dy1 = int64_t(y) + h;
    // Source rectangle inside the source, expressed in destination coordinates.
    int64_t offX = int64_t(x) - sx, offY = int64_t(y) - sy;
    dx0 = std::max({dx0, int64_t(0), offX});
    dy0 = std::max({dy0, int64_t(0), offY});
    dx1 = std::min({dx1, int64_t(dest.width()), offX + src.width()});
    dy1 = std::min({dy1, int64_t(dest.height()), offY + src.height()});
    if (dx0 >= dx1 || dy0 >= dy1)
        return;
    const int count = int(dx1 - dx0);
    const bool same = &dest == &src;
    for (int64_t yy = dy0; yy < dy1; ++yy) {
        uint32_t* d = dest.row(int(yy)) + dx0;
        const uint32_t* s = src.row(int(yy - offY)) + (dx0 - offX);
        switch (rop) {
            case Rop::kSrcCopy:
                std::memmove(d, s, size_t(count) * 4);
                break;
            case Rop::kSrcAnd:
                if (same)
                    CombineRow<true>(d, s, count);
                else
                    CombineRowDistinct<true>(d, s, count);
                break;
            case Rop::kSrcPaint:
                if (same)
                    CombineRow<false>(d, s, count);
                else
                    CombineRowDistinct<false>(d, s, count);
                break;
        }
    }
}

uint32_t GetPixel(const Surface& surface, int x, int y) {
    if (x < 0 || y < 0 || x >= surface.width() || y >= surface.height())
        return kInvalidColour;
    uint32_t c = surface.At(x, y);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

}  // namespace platform
