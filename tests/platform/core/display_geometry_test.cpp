// The display arithmetic: which scale a desktop gets, where the picture goes in a window and on
// a fullscreen screen, where windows are placed, and which game pixel the mouse is over.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/core/display_geometry.hpp"

namespace {

using namespace platform::display;

// The game window's frame: a border on each side and a title bar.
constexpr Size kFrame{6, 28};

TEST(AutoScale, TheLargestHalfStepAtWhichTheFramedGameWindowFitsTheUsableArea) {
    struct Case {
        Size usable;
        double any, whole;
    };
    const Case cases[] = {
        {{1366, 728}, 1.0, 1.0},   // 1.5 would be 863 high
        {{1920, 1040}, 1.5, 1.0},  // 2 would be 1150 high
        {{2560, 1400}, 2.0, 2.0},  // 2.5 would be 1438 high
        {{3840, 2120}, 3.5, 3.0},  // 4 would be 2300 high
        {{1920, 1080}, 1.5, 1.0},  // whole screens without a taskbar
        {{2560, 1440}, 2.0, 2.0},   {{3840, 2160}, 3.5, 3.0},
        {{800, 600}, 1.0, 1.0},      // nothing fits: still 1
        {{7680, 4320}, 7.0, 7.0},    // 7.5 would be 4313 + 28 high
        {{20000, 20000}, 8.0, 8.0},  // never more than 8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AutoScale(c.usable, kGameWindow, kFrame, false), c.any)
            << c.usable.width << "x" << c.usable.height;
        EXPECT_EQ(AutoScale(c.usable, kGameWindow, kFrame, true), c.whole)
            << c.usable.width << "x" << c.usable.height << " whole numbers only";
    }
    // The frame counts: a usable area exactly as high as the scaled client does not fit.
    EXPECT_EQ(AutoScale({1588 + 6, 1150 + 28}, kGameWindow, kFrame, false), 2.0);
    EXPECT_EQ(AutoScale({1588 + 6, 1150 + 27}, kGameWindow, kFrame, false), 1.5);
}

TEST(ScaleText, AutoOrOneToEightInHalfSteps) {
    EXPECT_FALSE(ParseScale("auto").has_value());
    EXPECT_TRUE(IsScaleText("auto"));
    for (int half = 2; half <= 16; ++half) {
        const double scale = half / 2.0;
        std::string text = std::to_string(half / 2) + (half % 2 ? ".5" : "");
        ASSERT_TRUE(IsScaleText(text)) << text;
        EXPECT_EQ(ParseScale(text), scale) << text;
    }
    for (const char* bad : {"", "0", "0.5", "8.5", "9", "1.25", "1.0", "01", "2.", " 2", "x"})
        EXPECT_FALSE(IsScaleText(bad)) << "'" << bad << "'";
    // A forced factor under the whole-numbers setting rounds down, never below 1.
    EXPECT_EQ(ApplyIntegerOnly(3.5, true), 3.0);
    EXPECT_EQ(ApplyIntegerOnly(3.5, false), 3.5);
    EXPECT_EQ(ApplyIntegerOnly(1.0, true), 1.0);
}

// The picture keeps its shape when its sides are in the game window's ratio to within the
// half pixel that rounding may take.
void ExpectShapeKept(Rect r) {
    const long long cross =
        (long long)r.width * kGameWindow.height - (long long)r.height * kGameWindow.width;
    EXPECT_LE(std::llabs(cross), kGameWindow.width / 2 + 1)
        << r.width << "x" << r.height << " is not the game's shape";
}

TEST(Letterbox, FullscreenPicturesFillOneSideKeepTheirShapeAndAreCentred) {
    struct Case {
        const char* name;
        Size screen;
        Rect expected;
    };
    const Case cases[] = {
        {"16:9", {1920, 1080}, {214, 0, 1491, 1080}},
        {"16:9 4K", {3840, 2160}, {428, 0, 2983, 2160}},
        {"16:10", {1920, 1200}, {131, 0, 1657, 1200}},
        {"4:3", {1024, 768}, {0, 13, 1024, 742}},
        {"4:3 large", {1600, 1200}, {0, 20, 1600, 1159}},
        {"21:9", {2560, 1080}, {534, 0, 1491, 1080}},
        {"21:9 large", {3440, 1440}, {726, 0, 1988, 1440}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Rect r = FitRect(kGameWindow, c.screen, false);
        EXPECT_EQ(r, c.expected);
        ExpectShapeKept(r);
        // One side fills the screen; the bars on the other are equal to within a pixel.
        EXPECT_TRUE(r.width == c.screen.width || r.height == c.screen.height);
        EXPECT_LE(std::abs((c.screen.width - r.x - r.width) - r.x), 1);
        EXPECT_LE(std::abs((c.screen.height - r.y - r.height) - r.y), 1);
    }
}

TEST(Letterbox, WholeNumbersOnlyTakesTheLargestMultipleThatFits) {
    EXPECT_EQ(FitRect(kGameWindow, {1920, 1080}, true), (Rect{563, 252, 794, 575}));
    EXPECT_EQ(FitRect(kGameWindow, {3840, 2160}, true), (Rect{729, 217, 2382, 1725}));
    EXPECT_EQ(FitRect(kGameWindow, {2560, 1600}, true), (Rect{486, 225, 1588, 1150}));
    // A screen smaller than the picture: fitted after all, never cut off.
    const Rect small = FitRect(kGameWindow, {640, 480}, true);
    EXPECT_EQ(small.width, 640);
    ExpectShapeKept(small);
}

TEST(WindowPicture, AWindowShowsThePictureAtItsScaleAndFitsOnlyWhenTheWindowIsSmaller) {
    EXPECT_EQ(ScaledSize(kGameWindow, 1.5), (Size{1191, 863}));
    EXPECT_EQ(ScaledSize(kGameWindow, 2), (Size{1588, 1150}));
    EXPECT_EQ(CentredRect({1588, 1150}, {1588, 1150}), (Rect{0, 0, 1588, 1150}));
    // A window system that made the window larger: centred, at the same scale.
    EXPECT_EQ(CentredRect({1588, 1150}, {1600, 1160}), (Rect{6, 5, 1588, 1150}));
    // Or smaller: fitted with the shape kept.
    const Rect fitted = CentredRect({1588, 1150}, {1200, 1150});
    EXPECT_EQ(fitted.width, 1200);
    ExpectShapeKept(fitted);
}

TEST(SharpScaling, NearestAloneForWholeMultiplesOtherwiseTheNextMultipleFirst) {
    EXPECT_EQ(SharpPrescale(kGameWindow, {0, 0, 794, 575}), 0);
    EXPECT_EQ(SharpPrescale(kGameWindow, {0, 0, 1588, 1150}), 0);
    EXPECT_EQ(SharpPrescale(kGameWindow, {0, 0, 2382, 1725}), 0);
    EXPECT_EQ(SharpPrescale(kGameWindow, {0, 0, 1191, 863}), 2);     // 1.5
    EXPECT_EQ(SharpPrescale(kGameWindow, {0, 0, 2779, 2013}), 4);    // 3.5
    EXPECT_EQ(SharpPrescale(kGameWindow, {214, 0, 1491, 1080}), 2);  // fullscreen 16:9
    // Whole numbers that differ across and down are not one multiple.
    EXPECT_EQ(SharpPrescale(kGameWindow, {0, 0, 1588, 1725}), 3);
}

// Window coordinates to game pixels: a window whose drawable is `drawable`, showing `shown`.
std::optional<Point> At(Point mouse, Size window, Size drawable, Rect shown) {
    return WindowToPicture(mouse, window, drawable, shown, kGameWindow);
}

TEST(MouseMapping, AtScaleTwoEachGamePixelIsATwoByTwoBlock) {
    const Size w{1588, 1150};
    const Rect shown{0, 0, 1588, 1150};
    EXPECT_EQ(At({0, 0}, w, w, shown), (Point{0, 0}));
    EXPECT_EQ(At({1, 1}, w, w, shown), (Point{0, 0}));
    EXPECT_EQ(At({2, 3}, w, w, shown), (Point{1, 1}));
    EXPECT_EQ(At({1587, 1149}, w, w, shown), (Point{793, 574}));
    // The menu's start button (312, 120, 169 x 97) covers window pixels 624 to 961.
    EXPECT_EQ(At({623, 300}, w, w, shown)->x, 311);
    EXPECT_EQ(At({624, 300}, w, w, shown)->x, 312);
    EXPECT_EQ(At({961, 300}, w, w, shown)->x, 480);
    EXPECT_EQ(At({962, 300}, w, w, shown)->x, 481);
    EXPECT_FALSE(At({1588, 10}, w, w, shown));
    EXPECT_FALSE(At({-1, 10}, w, w, shown));
}

TEST(MouseMapping, AtScaleOneAndAHalfControlEdgesLandOnTheSameGamePixels) {
    const Size w{1191, 863};
    const Rect shown{0, 0, 1191, 863};
    // Game x 312 starts at window x 468.
    EXPECT_EQ(At({467, 300}, w, w, shown)->x, 311);
    EXPECT_EQ(At({468, 300}, w, w, shown)->x, 312);
    EXPECT_EQ(At({1190, 862}, w, w, shown), (Point{793, 574}));
    // Every game pixel is reached by some window pixel, in order.
    int last = -1;
    for (int x = 0; x < w.width; ++x) {
        const int gx = At({x, 0}, w, w, shown)->x;
        EXPECT_TRUE(gx == last || gx == last + 1) << x;
        last = gx;
    }
    EXPECT_EQ(last, 793);
}

TEST(MouseMapping, InFullscreenABlackBarHitsNothing) {
    const Size screen{1920, 1080};
    const Rect shown = FitRect(kGameWindow, screen, false);  // 214, 0, 1491 x 1080
    EXPECT_FALSE(At({100, 500}, screen, screen, shown));     // left bar
    EXPECT_FALSE(At({213, 500}, screen, screen, shown));
    EXPECT_EQ(At({214, 0}, screen, screen, shown), (Point{0, 0}));
    EXPECT_EQ(At({1704, 1079}, screen, screen, shown), (Point{793, 574}));
    EXPECT_FALSE(At({1705, 500}, screen, screen, shown));  // right bar
    // On a 4:3 screen the bars are above and below.
    const Rect tall = FitRect(kGameWindow, {1024, 768}, false);  // 0, 13, 1024 x 742
    EXPECT_FALSE(At({500, 12}, {1024, 768}, {1024, 768}, tall));
    EXPECT_EQ(At({500, 13}, {1024, 768}, {1024, 768}, tall)->y, 0);
    EXPECT_FALSE(At({500, 755}, {1024, 768}, {1024, 768}, tall));
}

TEST(MouseMapping, OnAHighDensityDesktopWindowCoordinatesAreHalfThePixels) {
    // A 2x desktop: the window is 960 x 540 coordinates, 1920 x 1080 drawable pixels.
    const Rect shown = FitRect(kGameWindow, {1920, 1080}, false);
    EXPECT_FALSE(At({100, 250}, {960, 540}, {1920, 1080}, shown));
    EXPECT_EQ(At({107, 0}, {960, 540}, {1920, 1080}, shown), (Point{0, 0}));
    EXPECT_EQ(At({852, 539}, {960, 540}, {1920, 1080}, shown), (Point{793, 573}));
}

TEST(WindowPlacement, AtScaleOneEveryWindowIsWhereTheGameCentresIt) {
    // The game centres outer rectangles; its forms put their client areas inside the frame.
    struct Case {
        Size screen, client, frame;
        Point inset;
    };
    const Case cases[] = {
        {{1920, 1080}, {794, 575}, {6, 28}, {3, 25}},
        {{1024, 768}, {800, 600}, {0, 0}, {0, 0}},  // the borderless intro
        {{1366, 768}, {464, 326}, {6, 28}, {3, 25}},
        {{1280, 1024}, {312, 213}, {6, 28}, {3, 25}},
    };
    for (const Case& c : cases) {
        const Point form{CentredEdge(c.screen.width, c.client.width + c.frame.width),
                         CentredEdge(c.screen.height, c.client.height + c.frame.height)};
        EXPECT_EQ(ScaledClientOrigin(form, c.client, c.frame, c.inset, c.screen, 1.0),
                  (Point{form.x + c.inset.x, form.y + c.inset.y}));
    }
    // Halves go to the even pixel, as the game's own centring does.
    EXPECT_EQ(CentredEdge(1920, 1197), 362);  // 361.5
    EXPECT_EQ(CentredEdge(1920, 1195), 362);  // 362.5
}

TEST(WindowPlacement, ScaledWindowsAreCentredWithTheirScaledSize) {
    const Point form{CentredEdge(1920, 800), CentredEdge(1080, 603)};
    // 1.5 on 1920 x 1080: the outer rectangle 1197 x 891 is centred.
    EXPECT_EQ(ScaledClientOrigin(form, kGameWindow, kFrame, {3, 25}, {1920, 1080}, 1.5),
              (Point{362 + 3, 94 + 25}));
    // 2 on 2560 x 1440: 1594 x 1178.
    const Point big{CentredEdge(2560, 800), CentredEdge(1440, 603)};
    EXPECT_EQ(ScaledClientOrigin(big, kGameWindow, kFrame, {3, 25}, {2560, 1440}, 2.0),
              (Point{483 + 3, 131 + 25}));
    // A form placed off centre keeps its offset, scaled.
    const Point moved{form.x + 10, form.y - 4};
    EXPECT_EQ(ScaledClientOrigin(moved, kGameWindow, kFrame, {3, 25}, {1920, 1080}, 1.5),
              (Point{362 + 15 + 3, 94 - 6 + 25}));
}

TEST(Fullscreen, TheGameWindowAndScreensOfItsSizeFillTheScreenTheSmallOnesDoNot) {
    EXPECT_TRUE(FillsScreenInFullscreen({794, 575}));   // menu, game, victory, defeat
    EXPECT_TRUE(FillsScreenInFullscreen({800, 600}));   // intro
    EXPECT_FALSE(FillsScreenInFullscreen({545, 538}));  // about
    EXPECT_FALSE(FillsScreenInFullscreen({464, 326}));  // options
    EXPECT_FALSE(FillsScreenInFullscreen({312, 213}));  // between levels
}

}  // namespace
