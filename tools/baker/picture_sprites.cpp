#include "picture_sprites.hpp"

namespace baker {
namespace {

constexpr uint32_t kSoftEdgeShade = 0x0C0C0C;  // below 0x80 per channel, so OR adds, not masks

// True when a 4-neighbour of (x, y) inside the image satisfies `is`.
template <class Predicate>
bool TouchesFour(const Image& image, int x, int y, Predicate is) {
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int i = 0; i < 4; ++i) {
        int nx = x + dx[i], ny = y + dy[i];
        if (nx >= 0 && ny >= 0 && nx < image.width && ny < image.height && is(image.at(nx, ny)))
            return true;
    }
    return false;
}

}  // namespace

Sprite PaintSprite(const PixelGrid& grid, const Palette& palette) {
    Sprite s{Image(grid.width, grid.height, 0), Image(grid.width, grid.height, kMaskClear)};
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x) {
            char c = grid.rows[y][x];
            if (c == kTransparent)
                continue;
            s.picture.at(x, y) = palette.at(c);
            s.mask.at(x, y) = kMaskOpaque;
        }
    if (grid.outline) {
        const Image figure = s.mask;
        for (int y = 0; y < grid.height; ++y)
            for (int x = 0; x < grid.width; ++x)
                if (figure.at(x, y) == kMaskClear &&
                    TouchesFour(figure, x, y, [](uint32_t m) { return m == kMaskOpaque; })) {
                    s.picture.at(x, y) = palette.at(grid.outline);
                    s.mask.at(x, y) = kMaskOpaque;
                }
    }
    return s;
}

void AddSoftEdge(Sprite& sprite) {
    const Image figure = sprite.mask;
    for (int y = 0; y < figure.height; ++y)
        for (int x = 0; x < figure.width; ++x)
            if (figure.at(x, y) == kMaskClear &&
                TouchesFour(figure, x, y, [](uint32_t m) { return m == kMaskOpaque; })) {
                sprite.picture.at(x, y) = kSoftEdgeShade;
                sprite.mask.at(x, y) = kMaskBlend;
            }
}

Sprite Mirrored(const Sprite& sprite) {
    return {sprite.picture.MirroredHorizontally(), sprite.mask.MirroredHorizontally()};
}

}  // namespace baker
