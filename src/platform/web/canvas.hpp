// The page's one canvas, drawn through its 2D context (no WebGL: headless browsers have none).
// Pictures go in at their own size and the browser scales them: with nearest pixels to a
// whole multiple, then smoothly down to the size shown, as the desktop's renderer does.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/core/display_geometry.hpp"

namespace platform {

class Surface;

namespace web {

class Canvas {
  public:
    // The size the canvas is laid out at on the page, in real (device) pixels.
    display::Size WantedSize() const;
    // Gives the canvas that many pixels; true when it changed (the canvas is then blank).
    bool Resize(display::Size size);
    display::Size size() const { return size_; }

    // Fills the canvas black.
    void Clear();
    // Draws `picture` into `shown` (canvas pixels), sharply scaled.
    void Draw(const Surface& picture, display::Rect shown);

  private:
    display::Size size_;
    std::vector<uint8_t> rgba_;  // the picture in the canvas's byte order
};

}  // namespace web
}  // namespace platform
