#include "platform/display/sharp_scaler.hpp"

#include <algorithm>
#include <cstring>

#include "platform/core/surface.hpp"

namespace platform {
namespace {

uint32_t Blend(uint32_t a, uint32_t b, int weight) {
    if (weight == 0 || a == b)
        return a;
    const uint32_t keep = uint32_t(256 - weight);
    const uint32_t rb = ((a & 0xFF00FF) * keep + (b & 0xFF00FF) * uint32_t(weight)) >> 8;
    const uint32_t g = ((a & 0x00FF00) * keep + (b & 0x00FF00) * uint32_t(weight)) >> 8;
    return (rb & 0xFF00FF) | (g & 0x00FF00);
}

}  // namespace

std::vector<SharpScaler::Tap> SharpScaler::Taps(int from, int to, int prescale) {
    // Pixel centres of the target mapped into the blown-up picture (`from` * `prescale`
    // pixels), sampled linearly there: the two neighbours are blocks of the picture.
    std::vector<Tap> taps(size_t(std::max(0, to)));
    const int64_t big = int64_t(from) * prescale;
    for (int i = 0; i < to; ++i) {
        // Position in 1/512ths of a blown-up pixel: (i + 0.5) * big / to - 0.5.
        const int64_t pos = std::max<int64_t>(0, ((2 * i + 1) * big * 256) / to - 256);
        const int64_t near = std::min(pos >> 9, big - 1);
        const int64_t next = std::min(near + 1, big - 1);
        Tap& t = taps[size_t(i)];
        t.first = int(near / prescale);
        t.second = int(next / prescale);
        t.weight = t.first == t.second ? 0 : int((pos & 511) >> 1);
    }
    return taps;
}

void SharpScaler::Configure(display::Size picture, display::Rect shown) {
    picture_ = picture;
    shown_ = shown;
    int prescale = display::SharpPrescale(picture, shown);
    if (prescale == 0 && picture.width > 0 && shown.width % picture.width == 0)
        prescale = std::max(1, shown.width / picture.width);  // whole multiples, or 1
    prescale = std::max(1, prescale);
    columns_ = Taps(picture.width, shown.width, prescale);
    rows_ = Taps(picture.height, shown.height, prescale);
}

display::Rect SharpScaler::TargetOf(display::Rect changed) const {
    // Taps only grow along the target, so the first and last that touch `changed` bound it.
    auto span = [](const std::vector<Tap>& taps, int from, int to) {
        int first = -1, last = -1;
        for (int i = 0; i < int(taps.size()); ++i)
            if (taps[size_t(i)].second >= from && taps[size_t(i)].first < to) {
                if (first < 0)
                    first = i;
                last = i;
            }
        return std::pair{first, last};
    };
    const auto [left, right] = span(columns_, changed.x, changed.x + changed.width);
    const auto [top, bottom] = span(rows_, changed.y, changed.y + changed.height);
    if (left < 0 || top < 0)
        return {};
    return {shown_.x + left, shown_.y + top, right - left + 1, bottom - top + 1};
}

void SharpScaler::DrawRow(const Surface& picture, const Tap& row, int left, int right,
                          uint32_t* out) const {
    const uint32_t* a = picture.row(row.first);
    const uint32_t* b = picture.row(row.second);
    for (int x = left; x < right; ++x) {
        const Tap& c = columns_[size_t(x)];
        const uint32_t top = Blend(a[c.first], a[c.second], c.weight);
        out[x] = row.weight == 0 ? top
                                 : Blend(top, Blend(b[c.first], b[c.second], c.weight), row.weight);
    }
}

void SharpScaler::Draw(const Surface& picture, display::Rect area, uint32_t* target,
                       int pitch) const {
    const int left = area.x - shown_.x, right = left + area.width;
    const Tap* previous = nullptr;
    for (int y = area.y - shown_.y; y < area.y - shown_.y + area.height; ++y) {
        const Tap& row = rows_[size_t(y)];
        uint32_t* out = target + int64_t(shown_.y + y) * pitch + shown_.x;
        // Rows inside one block of the picture repeat the row above.
        if (previous && previous->first == row.first && previous->second == row.second &&
            previous->weight == row.weight)
            std::memcpy(out + left, out - pitch + left, size_t(right - left) * 4);
        else
            DrawRow(picture, row, left, right, out);
        previous = &row;
    }
}

display::Rect ChangedRect(const Surface& before, const Surface& after) {
    if (before.SharesPixelsWith(after))
        return {};
    const int width = after.width();
    int top = -1, bottom = -1, left = width, right = -1;
    for (int y = 0; y < after.height(); ++y) {
        const uint32_t* a = before.row(y);
        const uint32_t* b = after.row(y);
        if (std::memcmp(a, b, size_t(width) * 4) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int l = 0, r = width - 1;
        while (a[l] == b[l]) ++l;
        while (a[r] == b[r]) --r;
        left = std::min(left, l);
        right = std::max(right, r);
    }
    if (top < 0)
        return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace platform
