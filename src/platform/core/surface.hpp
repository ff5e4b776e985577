// 32-bit off-screen images and the raster operations the game draws with.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "platform/core/large_blocks.hpp"

namespace platform {

using PixelBlock = std::vector<uint32_t, UninitialisedAllocator<uint32_t>>;

// Pixels are 0x00RRGGBB; the top byte is always 0, so pure black is exactly 0.
// A copy of a whole picture (a copied Surface, or a full-size copy blit onto a picture of the
// same size) shares the pixels until one side is written: the game copies its back buffer to
// the screen on every tick, and the next tick draws the back buffer afresh.
class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, uint32_t fill = 0);
    Surface(const Surface&) = default;
    Surface(Surface&&) = default;
    Surface& operator=(Surface&&) = default;
    // Shares `other`'s pixels; the block given up is kept for the next picture of its size.
    Surface& operator=(const Surface& other) {
        ShareFrom(other);
        return *this;
    }

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    uint32_t* row(int y) { return data() + size_t(y) * size_t(width_); }
    const uint32_t* row(int y) const { return data() + size_t(y) * size_t(width_); }
    // Writable pixels: shared ones are copied first.
    uint32_t* data() {
        if (pixels_.use_count() > 1)
            Unshare();
        return pixels_ ? pixels_->data() : nullptr;
    }
    const uint32_t* data() const { return pixels_ ? pixels_->data() : nullptr; }

    uint32_t At(int x, int y) const { return row(y)[x]; }
    void Set(int x, int y, uint32_t colour) { row(y)[x] = colour; }

    void Reset(int width, int height, uint32_t fill = 0);
    // Resizes without clearing: the caller writes every pixel.
    void ResetForWriting(int width, int height);
    // Keeps the size; the caller writes every pixel, so shared pixels are not copied first.
    void DiscardPixels();
    // Becomes a copy of `other` (of any size) without copying its pixels.
    void ShareFrom(const Surface& other);
    bool SharesPixelsWith(const Surface& other) const {
        return pixels_ && pixels_ == other.pixels_;
    }

    void Fill(uint32_t colour);
    void FillRect(int x, int y, int w, int h, uint32_t colour);

    bool operator==(const Surface& other) const;

  private:
    void Unshare();
    // Pixels of this surface's size that only it holds, with contents left unspecified.
    void OwnPixelsForWriting();

    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<PixelBlock> pixels_;  // null when empty
};

enum class Rop : uint32_t {
    kSrcCopy = 0x00CC0020,
    kSrcAnd = 0x008800C6,
    kSrcPaint = 0x00EE0086,
};

// Copies w x h pixels from (sx, sy) of src to (x, y) of dest with the raster operation.
// Clipped like the desktop raster call: nothing outside dest is touched, and only the part
// of the source rectangle that lies inside src is transferred.
void BitBlt(Surface& dest, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop);

// The colour at (x, y) as 0x00BBGGRR, or kInvalidColour outside the image.
constexpr uint32_t kInvalidColour = 0xFFFFFFFF;
uint32_t GetPixel(const Surface& surface, int x, int y);

constexpr uint32_t Rgb(int r, int g, int b) {
    return (uint32_t(r & 0xFF) << 16) | (uint32_t(g & 0xFF) << 8) | uint32_t(b & 0xFF);
}

}  // namespace platform
