#include "picture_buttons.hpp"

#include <algorithm>
#include <cmath>

#include "picture_text.hpp"

namespace baker {
namespace {

// Side view of the cartridge, left to right: base rim, extractor groove, case body, shoulder,
// neck, then the bullet's rounded nose. Half-heights in pixels, without the outline.
constexpr int kRimEnd = 5, kGrooveEnd = 8, kBodyEnd = 106, kShoulderEnd = 114, kNeckEnd = 119;
constexpr int kRimHalf = 22, kGrooveHalf = 17, kBodyHalf = 20, kNeckHalf = 14;
constexpr int kDrawnLength = kCartridgeLength - 2;  // one outline pixel at each end

struct Column {
    int half;
    bool bullet;
    bool groove;
};

Column ColumnAt(int x) {
    if (x < kRimEnd)
        return {kRimHalf, false, false};
    if (x < kGrooveEnd)
        return {kGrooveHalf, false, true};
    if (x < kBodyEnd)
        return {kBodyHalf, false, false};
    if (x < kShoulderEnd) {
        int step = (x - kBodyEnd) * (kBodyHalf - kNeckHalf) / (kShoulderEnd - kBodyEnd);
        return {kBodyHalf - step, false, false};
    }
    if (x < kNeckEnd)
        return {kNeckHalf, false, false};
    double t = double(x - kNeckEnd) / (kDrawnLength - kNeckEnd);
    return {std::max(2, int(std::lround(kNeckHalf * std::sqrt(1.0 - t * t)))), true, false};
}

}  // namespace

Image PaintButton(int width, int height, const std::string& word, const CartridgeLook& look,
                  const PixelFont& font) {
    Image image(width, height, 0);
    const int left = (width - kCartridgeLength) / 2 + 1, centreY = height / 2;
    Image body(width, height, 0);  // 1 where the cartridge is, for its outline
    for (int x = 0; x < kDrawnLength; ++x) {
        const Column col = ColumnAt(x);
        const auto& ramp = col.bullet ? look.bulletRamp : look.caseRamp;
        const int n = int(ramp.size());
        for (int v = -col.half; v < col.half; ++v) {
            int shade = (v + col.half) * n / (2 * col.half);
            if (col.groove)
                shade = std::min(n - 1, shade + 2);  // the groove sits in shadow
            image.at(left + x, centreY + v) = ramp[shade];
            body.at(left + x, centreY + v) = 1;
        }
    }
    for (int y = 1; y + 1 < height; ++y)
        for (int x = 1; x + 1 < width; ++x)
            if (!body.at(x, y) &&
                (body.at(x + 1, y) || body.at(x - 1, y) || body.at(x, y + 1) || body.at(x, y - 1)))
                image.at(x, y) = look.rim;

    TextStyle style;
    style.scale = 2;
    style.ink = look.word;
    style.rim = 1;
    style.rimInk = look.wordRim;
    DrawTextCentred(image, font, word, left + (kRimEnd + kBodyEnd) / 2, centreY - TextHeight(2) / 2,
                    style);
    return image;
}

}  // namespace baker
