// Scaling on the processor: whole multiples are square blocks, other sizes blend only at the
// edges between blocks, and drawing just the changed part of a picture leaves exactly the
// pixels that drawing all of it would.
#include <gtest/gtest.h>

#include <vector>

#include "platform/core/surface.hpp"
#include "platform/display/sharp_scaler.hpp"

namespace {

using platform::Surface;
using platform::display::Rect;
using platform::display::Size;

constexpr uint32_t kBar = 0x123456;  // what lies around the picture in the target

Surface Noise(int width, int height, uint32_t seed) {
    Surface s(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            s.Set(x, y, (uint32_t(x * 7919 + y * 104729) ^ seed) & 0xFFFFFF);
    return s;
}

struct Target {
    int width, height;
    std::vector<uint32_t> pixels;
    Target(int w, int h) : width(w), height(h), pixels(size_t(w) * size_t(h), kBar) {}
    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

void DrawAll(const platform::SharpScaler& scaler, const Surface& picture, Target& target) {
    const Size size = scaler.picture();
    scaler.Draw(picture, scaler.TargetOf({0, 0, size.width, size.height}), target.pixels.data(),
                target.width);
}

struct Case {
    Size picture;
    Rect shown;
    Size target;
};

// Whole multiples, the sharp sizes between them (fullscreen on common displays), and smaller.
const Case kCases[] = {
    {{40, 30}, {0, 0, 40, 30}, {40, 30}},     {{40, 30}, {5, 3, 80, 60}, {90, 66}},
    {{40, 30}, {2, 0, 120, 90}, {124, 90}},   {{40, 30}, {10, 0, 75, 56}, {95, 56}},
    {{40, 30}, {0, 4, 150, 113}, {150, 120}}, {{40, 30}, {0, 0, 31, 23}, {31, 23}},
};

TEST(SharpScaler, WholeMultiplesAreSquareBlocksAndTheBarsAreLeftAlone) {
    for (const Case& c : kCases) {
        const Rect& s = c.shown;
        if (s.width % c.picture.width != 0 ||
            s.width / c.picture.width != s.height / c.picture.height)
            continue;
        const int k = s.width / c.picture.width;
        const Surface picture = Noise(c.picture.width, c.picture.height, 1);
        platform::SharpScaler scaler;
        scaler.Configure(c.picture, s);
        Target target(c.target.width, c.target.height);
        DrawAll(scaler, picture, target);
        for (int y = 0; y < target.height; ++y)
            for (int x = 0; x < target.width; ++x) {
                const bool inside = s.Contains({x, y});
                const uint32_t want = inside ? picture.At((x - s.x) / k, (y - s.y) / k) : kBar;
                ASSERT_EQ(target.At(x, y), want) << "scale " << k << " at " << x << "," << y;
            }
    }
}

TEST(SharpScaler, BetweenMultiplesOnlyTheEdgesBetweenBlocksAreBlended) {
    // Columns of two colours: a target column is either colour, or a blend where it straddles
    // two picture columns, which happens at most once per edge between them.
    for (const Case& c : kCases) {
        if (c.shown.width <= c.picture.width || c.shown.width % c.picture.width == 0)
            continue;
        Surface picture(c.picture.width, c.picture.height);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) picture.Set(x, y, x % 2 ? 0xFFFFFF : 0);
        platform::SharpScaler scaler;
        scaler.Configure(c.picture, c.shown);
        Target target(c.target.width, c.target.height);
        DrawAll(scaler, picture, target);
        int blended = 0;
        for (int x = c.shown.x; x < c.shown.x + c.shown.width; ++x) {
            const uint32_t p = target.At(x, c.shown.y);
            blended += p != 0 && p != 0xFFFFFF;
            EXPECT_EQ(p & 0xFF, (p >> 16) & 0xFF) << "grey stays grey";
        }
        EXPECT_GT(blended, 0) << c.shown.width;
        EXPECT_LE(blended, c.picture.width - 1) << c.shown.width;
    }
}

TEST(SharpScaler, DrawingOnlyTheChangedPartGivesTheWholePicturesPixels) {
    const Rect changes[] = {
        {0, 0, 1, 1}, {39, 29, 1, 1}, {10, 5, 7, 3}, {0, 12, 40, 1}, {0, 29, 40, 1}};
    for (const Case& c : kCases)
        for (const Rect& change : changes) {
            const Surface before = Noise(c.picture.width, c.picture.height, 1);
            Surface after = before;
            for (int y = change.y; y < change.y + change.height; ++y)
                for (int x = change.x; x < change.x + change.width; ++x) after.Set(x, y, 0xABCDEF);
            platform::SharpScaler scaler;
            scaler.Configure(c.picture, c.shown);
            Target partly(c.target.width, c.target.height), wholly = partly;
            DrawAll(scaler, before, partly);
            const std::vector<Rect> changed = platform::ChangedRects(before, after);
            ASSERT_EQ(changed, std::vector<Rect>{change});
            scaler.Draw(after, scaler.TargetOf(change), partly.pixels.data(), partly.width);
            DrawAll(scaler, after, wholly);
            ASSERT_EQ(partly.pixels, wholly.pixels)
                << "shown " << c.shown.width << "x" << c.shown.height << ", change at " << change.x
                << "," << change.y;
        }
}

TEST(SharpScaler, AnUnchangedPictureHasNothingToDraw) {
    const Surface picture = Noise(40, 30, 3);
    Surface copy = picture;
    EXPECT_TRUE(platform::ChangedRects(picture, copy).empty());
    copy.Set(0, 0, copy.At(0, 0));  // written, so no longer shared, but the same pixels
    EXPECT_TRUE(platform::ChangedRects(picture, copy).empty());
}

// Changes far apart (the player at one end, an enemy at the other) are drawn apart; changes
// close together, or in the same columns, share one rectangle.
TEST(SharpScaler, ChangesFarApartAreDrawnAsRectanglesOfTheirOwn) {
    struct Case {
        std::vector<Rect> changes, expected;
    };
    const Case cases[] = {
        {{{2, 3, 4, 5}, {60, 10, 3, 2}}, {{2, 3, 4, 5}, {60, 10, 3, 2}}},
        {{{2, 3, 4, 5}, {22, 10, 3, 2}}, {{2, 3, 4, 5}, {22, 10, 3, 2}}},  // 16 columns between
        {{{2, 3, 4, 5}, {21, 10, 3, 2}}, {{2, 3, 22, 9}}},                 // 15 between
        {{{2, 3, 4, 5}, {3, 20, 2, 2}}, {{2, 3, 4, 19}}},                  // one above the other
    };
    const Surface before = Noise(80, 30, 4);
    for (const Case& c : cases) {
        Surface after = before;
        for (const Rect& r : c.changes)
            for (int y = r.y; y < r.y + r.height; ++y)
                for (int x = r.x; x < r.x + r.width; ++x)
                    after.Set(x, y, ~before.At(x, y) & 0xFFFFFF);
        EXPECT_EQ(platform::ChangedRects(before, after), c.expected) << c.changes[1].x;
    }
}

}  // namespace
