#include "platform/web/canvas.hpp"

#include <emscripten.h>

#include "platform/core/surface.hpp"

namespace platform::web {
namespace {

// clang-format off
EM_JS(int, CanvasWantedWidth, (), {
    const c = Module.canvas;
    return Math.max(1, Math.round(c.clientWidth * (window.devicePixelRatio || 1)));
});
EM_JS(int, CanvasWantedHeight, (), {
    const c = Module.canvas;
    return Math.max(1, Math.round(c.clientHeight * (window.devicePixelRatio || 1)));
});
EM_JS(int, CanvasResize, (int width, int height), {
    const c = Module.canvas;
    if (c.width === width && c.height === height) return 0;
    c.width = width;
    c.height = height;
    return 1;
});
EM_JS(void, CanvasClear, (), {
    const c = Module.canvas;
    const g = c.getContext("2d", {alpha: false});
    g.fillStyle = "#000";
    g.fillRect(0, 0, c.width, c.height);
});
// The picture goes into a scratch canvas at its own size; with `prescale` it is first blown up
// with nearest pixels to that whole multiple, and then scaled smoothly into the rectangle.
EM_JS(void, CanvasDraw, (const uint8_t* rgba, int width, int height, int x, int y, int w, int h,
                         int prescale), {
    const scratch = (name, cw, ch) => {
        const s = Module[name] || (Module[name] = document.createElement("canvas"));
        if (s.width !== cw || s.height !== ch) {
            s.width = cw;
            s.height = ch;
        }
        return s;
    };
    const own = scratch("dunspeltPicture", width, height);
    const pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    own.getContext("2d").putImageData(new ImageData(pixels, width, height), 0, 0);
    let source = own;
    if (prescale > 0) {
        source = scratch("dunspeltPrescaled", width * prescale, height * prescale);
        const p = source.getContext("2d");
        p.imageSmoothingEnabled = false;
        p.drawImage(own, 0, 0, source.width, source.height);
    }
    const g = Module.canvas.getContext("2d", {alpha: false});
    const whole = w % width === 0 && h % height === 0;
    g.imageSmoothingEnabled = !whole;
    g.imageSmoothingQuality = "low";
    g.drawImage(source, x, y, w, h);
});
// clang-format on

}  // namespace

display::Size Canvas::WantedSize() const {
    return {CanvasWantedWidth(), CanvasWantedHeight()};
}

bool Canvas::Resize(display::Size size) {
    size_ = size;
    return CanvasResize(size.width, size.height) != 0;
}

void Canvas::Clear() {
    CanvasClear();
}

void Canvas::Draw(const Surface& picture, display::Rect shown) {
    const int width = picture.width(), height = picture.height();
    if (width <= 0 || height <= 0 || shown.width <= 0 || shown.height <= 0)
        return;
    // The game's pixels are 0xRRGGBB words; the canvas takes R, G, B, A bytes.
    rgba_.resize(size_t(width) * size_t(height) * 4);
    uint8_t* out = rgba_.data();
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = picture.row(y);
        for (int x = 0; x < width; ++x, out += 4) {
            const uint32_t p = row[x];
            out[0] = uint8_t(p >> 16);
            out[1] = uint8_t(p >> 8);
            out[2] = uint8_t(p);
            out[3] = 255;
        }
    }
    const int prescale = display::SharpPrescale({width, height}, shown);
    CanvasDraw(rgba_.data(), width, height, shown.x, shown.y, shown.width, shown.height, prescale);
}

}  // namespace platform::web
