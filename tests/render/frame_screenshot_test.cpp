// A presented frame seen through a headless screenshot of the game window: outside the drawn
// sprites it is the map rectangle under the camera, pixel for pixel.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/picture_file.hpp"
#include "support/headless_run.hpp"

using namespace testsupport;
using platform::Surface;

namespace {

// Every map pixel has its own colour, so any offset in the map copy shows.
uint32_t MapColour(int x, int y) {
    return platform::Rgb(x & 0xFF, y & 0xFF, ((x >> 8) * 16 + (y >> 8) + 1) & 0xFF);
}

struct Box {
    int64_t x, y, w, h;
    bool Contains(int64_t px, int64_t py) const {
        return px >= x && py >= y && px < x + w && py < y + h;
    }
};

// The play area's drawable part starts 2 pixels into the window's client area.
constexpr int kPlayLeft = 2, kPlayTop = 2;

}  // namespace

TEST(FrameScreenshot, OutsideTheSpritesTheFrameIsTheMapUnderTheCamera) {
    TempApp app;
    TestLevel level = FlatLevel(1600, 700, 454);
    for (int y = 0; y < 700; ++y)
        for (int x = 0; x < 1600; ++x) level.map.Set(x, y, MapColour(x, y));
    app.WriteLevel("level1", level.map, level.mask);
    const std::string shot = (app.dir() / "frame.png").string();
    RunResult r =
        RunHeadless(app, "wait 300\nkeydown Right\nwait 1300\nscreenshot " + shot + " FrmMain\n",
                    {"--warp", "1"});
    ASSERT_EQ(r.status, 0) << r.errors;
    const TraceLine& t = r.LastTick();
    const int64_t cameraX = t.Int("CameraX"), cameraY = t.Int("CameraY");
    EXPECT_GT(cameraY, 0);  // the view has followed the player down to the ground

    // Everything drawn over the map in that frame, in play-area pixels.
    std::vector<Box> sprites;
    for (int i = 1; i <= 4; ++i)
        sprites.push_back({t.Actor(i, "X") - cameraX, t.Actor(i, "Y") - cameraY,
                           t.Actor(i, "Width"), t.Actor(i, "Height")});
    // Shots in flight (play-area pixels, already moved on by 10 per set flag after drawing):
    // a band around each wide enough for either direction.
    for (int k = 1; k <= 3; ++k) {
        const std::string n = std::to_string(k);
        if (t.Int("Shot" + n + "Active") == 1)
            sprites.push_back(
                {t.Int("Shot" + n + "X") - 40, t.Int("Shot" + n + "Y") + 33, 140, 14});
        if (t.Int("EnemyShotFired" + n) == 1)
            sprites.push_back({t.Int("EnemyShotX") - 40, t.Int("EnemyShotY") + 10, 180, 21});
    }
    const Box player = sprites.front();

    const Surface picture = *platform::LoadPicture(shot);
    ASSERT_GE(picture.width(), 790);
    ASSERT_GE(picture.height(), 548);
    int64_t compared = 0, differing = 0, playerPixels = 0;
    for (int y = kPlayTop; y < kPlayTop + 546; ++y)
        for (int x = kPlayLeft; x < picture.width(); ++x) {
            const int64_t sx = x - kPlayLeft, sy = y - kPlayTop;
            const bool covered = std::any_of(sprites.begin(), sprites.end(),
                                             [&](const Box& b) { return b.Contains(sx, sy); });
            const uint32_t expected = MapColour(int(cameraX + sx), int(cameraY + sy));
            if (player.Contains(sx, sy) && picture.At(x, y) != expected)
                ++playerPixels;
            if (covered)
                continue;
            ++compared;
            if (picture.At(x, y) != expected)
                ++differing;
        }
    EXPECT_GT(compared, 790 * 500);
    EXPECT_EQ(differing, 0) << "camera " << cameraX << "," << cameraY;
    EXPECT_GT(playerPixels, 500);  // and the player is really drawn over the map
}
