// Scales a picture into a rectangle of a 32-bit pixel buffer on the processor, for displays
// without a GPU: whole multiples as square blocks, other sizes sharply (as if blown up with
// nearest pixels to the next whole multiple and then scaled smoothly to the size shown, so
// only the edges between blocks are blended). Every target pixel depends on at most two rows
// and two columns of the picture, so a changed part of the picture can be drawn alone and
// gives the same pixels as drawing it all: a frame that changes little costs little.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/core/display_geometry.hpp"

namespace platform {

class Surface;

class SharpScaler {
  public:
    // Builds the tables for `picture` shown in `shown` (target pixels).
    void Configure(display::Size picture, display::Rect shown);
    display::Size picture() const { return picture_; }
    display::Rect shown() const { return shown_; }

    // The target pixels whose colour depends on `changed` (picture pixels), within `shown`.
    display::Rect TargetOf(display::Rect changed) const;
    // Draws the target pixels of `area` (within `shown`) from `picture`; `pitch` in pixels.
    void Draw(const Surface& picture, display::Rect area, uint32_t* target, int pitch) const;

  private:
    // Where one target column (or row) samples the picture: between `first` and `second`,
    // `weight` / 256 of the way.
    struct Tap {
        int first = 0, second = 0, weight = 0;
    };
    // Neighbouring target columns that sample alike: one colour, written `count` times.
    struct Run {
        int start = 0, count = 0;
        Tap tap;
    };
    static std::vector<Tap> Taps(int from, int to, int prescale);
    // Picture row `y` scaled across the target columns [left, right), kept for the rows below.
    const uint32_t* ScaledRow(const Surface& picture, int y, int left, int right) const;

    display::Size picture_;
    display::Rect shown_;
    std::vector<Tap> columns_, rows_;
    std::vector<Run> columnRuns_;
    int wholeScale_ = 0;  // the target is this whole multiple of the picture (1: its own size)
    // The last two picture rows scaled across in this Draw (blended target rows need both).
    struct ScaledCache {
        int y = -1, left = 0, right = 0;
        std::vector<uint32_t> pixels;
    };
    mutable ScaledCache scaled_[2];
    mutable int nextSlot_ = 0;
};

// Rectangles holding every pixel that differs between two pictures of one size (none when no
// pixel does): changes with at least `minGap` unchanged columns between them get rectangles of
// their own, so that the player walking at one end and an enemy stepping at the other are not
// drawn as one wide strip.
std::vector<display::Rect> ChangedRects(const Surface& before, const Surface& after,
                                        int minGap = 16);

}  // namespace platform
