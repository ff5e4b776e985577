#include "platform/core/surface.hpp"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

namespace platform {

namespace {

// Blocks the size of a screen picture, given up when a picture takes another's pixels and
// wanted again by the next picture drawn afresh a tick later. They are kept for that: freed,
// a block this size goes back to the system and comes back as fresh pages to be faulted in.
// Blocks of the large-block size and up have a pool of their own.
class SpareBlocks {
  public:
    std::shared_ptr<PixelBlock> Take(size_t count) {
        std::lock_guard lock(mutex_);
        for (auto it = blocks_.begin(); it != blocks_.end(); ++it)
            if ((*it)->size() == count) {
                auto block = std::move(*it);
                blocks_.erase(it);
                return block;
            }
        return nullptr;
    }

    void Give(std::shared_ptr<PixelBlock> block) {
        if (!block || block.use_count() != 1)
            return;
        const size_t bytes = block->size() * sizeof(uint32_t);
        if (bytes < kSmallestKept || bytes >= kLargeAllocation)
            return;
        std::lock_guard lock(mutex_);
        blocks_.push_back(std::move(block));
        if (blocks_.size() > kMostKept)
            blocks_.erase(blocks_.begin());
    }

  private:
    static constexpr size_t kSmallestKept = size_t(64) << 10;
    static constexpr size_t kMostKept = 2;
    std::mutex mutex_;
    std::vector<std::shared_ptr<PixelBlock>> blocks_;
};

// Never destroyed: static pictures give their blocks back during the process's exit.
SpareBlocks& Spares() {
    static auto* spares = new SpareBlocks;
    return *spares;
}

std::shared_ptr<PixelBlock> NewBlock(size_t count) {
    if (auto block = Spares().Take(count))
        return block;
    return std::make_shared<PixelBlock>(count);
}

}  // namespace

Surface::Surface(int width, int height, uint32_t fill) {
    Reset(width, height, fill);
}

void Surface::Reset(int width, int height, uint32_t fill) {
    ResetForWriting(width, height);
    Fill(fill);
}

void Surface::ResetForWriting(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    OwnPixelsForWriting();
}

void Surface::OwnPixelsForWriting() {
    const size_t count = size_t(width_) * size_t(height_);
    if (pixels_ && pixels_.use_count() == 1 && pixels_->size() == count)
        return;
    auto old = std::move(pixels_);
    pixels_ = count ? NewBlock(count) : nullptr;
    Spares().Give(std::move(old));
}

void Surface::DiscardPixels() {
    if (pixels_.use_count() > 1)
        OwnPixelsForWriting();
}

void Surface::ShareFrom(const Surface& other) {
    if (&other == this)
        return;
    auto old = std::move(pixels_);
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    Spares().Give(std::move(old));
}

void Surface::Unshare() {
    auto own = NewBlock(pixels_->size());
    std::memcpy(own->data(), pixels_->data(), pixels_->size() * sizeof(uint32_t));
    pixels_ = std::move(own);
}

bool Surface::operator==(const Surface& other) const {
    if (width_ != other.width_ || height_ != other.height_)
        return false;
    return pixels_ == other.pixels_ ||
           std::memcmp(data(), other.data(), size_t(width_) * size_t(height_) * 4) == 0;
}

void Surface::Fill(uint32_t colour) {
    DiscardPixels();
    if (pixels_)
        std::fill(pixels_->begin(), pixels_->end(), colour);
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
    if (rop == Rop::kSrcCopy && &dest != &src && dx0 == 0 && dy0 == 0 && dx1 == dest.width() &&
        dy1 == dest.height()) {
        // The whole destination is replaced: a picture of the same size at the same place is
        // shared, not copied, and pixels shared with another picture need no copy of their own.
        if (offX == 0 && offY == 0 && src.width() == dest.width() &&
            src.height() == dest.height()) {
            dest.ShareFrom(src);
            return;
        }
        dest.DiscardPixels();
    }
    // Writable first: pixels shared with the source are copied before the source is read.
    uint32_t* const destPixels = dest.data();
    const bool same = &dest == &src;
    for (int64_t yy = dy0; yy < dy1; ++yy) {
        uint32_t* d = destPixels + size_t(yy) * size_t(dest.width()) + dx0;
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
