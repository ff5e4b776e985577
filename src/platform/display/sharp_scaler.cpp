#include "platform/display/sharp_scaler.hpp"

#include <algorithm>
#include <cstring>

#include "platform/core/surface.hpp"

namespace platform {
namespace {

// Without branches, so that a row of them vectorises.
inline uint32_t Mix(uint32_t a, uint32_t b, uint32_t weight) {
    const uint32_t keep = 256 - weight;
    const uint32_t rb = ((a & 0xFF00FF) * keep + (b & 0xFF00FF) * weight) >> 8;
    const uint32_t g = ((a & 0x00FF00) * keep + (b & 0x00FF00) * weight) >> 8;
    return (rb & 0xFF00FF) | (g & 0x00FF00);
}

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
        if (t.weight == 0)
            t.second = t.first;  // alike taps make runs: one colour, copied
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
    wholeScale_ = picture.width > 0 && shown.width == picture.width * prescale &&
                          shown.height == picture.height * prescale
                      ? prescale
                      : 0;
    columnRuns_.clear();
    for (int x = 0; x < int(columns_.size()); ++x) {
        const Tap& t = columns_[size_t(x)];
        if (!columnRuns_.empty()) {
            Run& last = columnRuns_.back();
            if (last.tap.first == t.first && last.tap.second == t.second &&
                last.tap.weight == t.weight) {
                ++last.count;
                continue;
            }
        }
        columnRuns_.push_back({x, 1, t});
    }
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

const uint32_t* SharpScaler::ScaledRow(const Surface& picture, int y, int left, int right) const {
    for (const ScaledCache& c : scaled_)
        if (c.y == y && c.left == left && c.right == right)
            return c.pixels.data();
    ScaledCache& c = scaled_[nextSlot_];
    nextSlot_ = 1 - nextSlot_;
    c.y = y;
    c.left = left;
    c.right = right;
    c.pixels.resize(size_t(right - left));
    const uint32_t* in = picture.row(y);
    uint32_t* out = c.pixels.data() - left;
    if (wholeScale_ == 1) {
        std::memcpy(out + left, in + left, size_t(right - left) * 4);
        return c.pixels.data();
    }
    if (wholeScale_ > 1) {  // square blocks: each picture pixel `wholeScale_` times
        const int k = wholeScale_;
        int source = left / k;
        for (int x = left, end = std::min(right, (source + 1) * k); x < right;
             ++source, end = std::min(right, end + k))
            for (const uint32_t colour = in[source]; x < end; ++x) out[x] = colour;
        return c.pixels.data();
    }
    // The first run that reaches `left`: runs are in order and cover every column.
    auto run = std::upper_bound(columnRuns_.begin(), columnRuns_.end(), left,
                                [](int x, const Run& r) { return x < r.start + r.count; });
    for (; run != columnRuns_.end() && run->start < right; ++run) {
        const Tap& t = run->tap;
        const uint32_t colour = Blend(in[t.first], in[t.second], t.weight);
        const int from = std::max(left, run->start), to = std::min(right, run->start + run->count);
        std::fill(out + from, out + to, colour);
    }
    return c.pixels.data();
}

void SharpScaler::Draw(const Surface& picture, display::Rect area, uint32_t* target,
                       int pitch) const {
    const int left = area.x - shown_.x, right = left + area.width;
    const size_t bytes = size_t(right - left) * 4;
    // Scaled rows hold this picture's pixels only: the next picture may differ anywhere.
    scaled_[0].y = scaled_[1].y = -1;
    const Tap* previous = nullptr;
    for (int y = area.y - shown_.y; y < area.y - shown_.y + area.height; ++y) {
        const Tap& row = rows_[size_t(y)];
        uint32_t* out = target + int64_t(shown_.y + y) * pitch + shown_.x + left;
        if (previous && previous->first == row.first && previous->second == row.second &&
            previous->weight == row.weight) {
            std::memcpy(out, out - pitch, bytes);  // inside one block: the row above again
        } else if (row.weight == 0) {
            std::memcpy(out, ScaledRow(picture, row.first, left, right), bytes);
        } else {
            const uint32_t* a = ScaledRow(picture, row.first, left, right);
            const uint32_t* b = ScaledRow(picture, row.second, left, right);
            const uint32_t weight = uint32_t(row.weight);
            for (int x = 0; x < right - left; ++x) out[x] = Mix(a[x], b[x], weight);
        }
        previous = &row;
    }
}

std::vector<display::Rect> ChangedRects(const Surface& before, const Surface& after, int minGap) {
    if (before.SharesPixelsWith(after))
        return {};
    const int width = after.width();
    std::vector<uint8_t> columnChanged(size_t(width), 0);
    std::vector<int> rowsChanged;
    for (int y = 0; y < after.height(); ++y) {
        const uint32_t* a = before.row(y);
        const uint32_t* b = after.row(y);
        if (std::memcmp(a, b, size_t(width) * 4) == 0)
            continue;
        rowsChanged.push_back(y);
        for (int x = 0; x < width; ++x) columnChanged[size_t(x)] |= a[x] != b[x];
    }
    std::vector<display::Rect> out;
    for (int x = 0; x < width; ++x) {
        if (!columnChanged[size_t(x)])
            continue;
        // Changed columns with fewer than `minGap` unchanged ones between them share a rectangle.
        int last = x;
        for (int i = x + 1; i < width && i - last <= minGap; ++i)
            if (columnChanged[size_t(i)])
                last = i;
        const size_t bytes = size_t(last - x + 1) * 4;
        int top = -1, bottom = -1;
        for (int y : rowsChanged)
            if (std::memcmp(before.row(y) + x, after.row(y) + x, bytes) != 0) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        out.push_back({x, top, last - x + 1, bottom - top + 1});
        x = last;
    }
    return out;
}

}  // namespace platform
