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
    static std::vector<Tap> Taps(int from, int to, int prescale);
    void DrawRow(const Surface& picture, const Tap& row, int left, int right, uint32_t* out) const;

    display::Size picture_;
    display::Rect shown_;
    std::vector<Tap> columns_, rows_;
};

// The smallest rectangle holding every pixel that differs between two pictures of one size
// (empty when none does).
display::Rect ChangedRect(const Surface& before, const Surface& after);

}  // namespace platform
