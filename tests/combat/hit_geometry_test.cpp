// The edge test: only the mover's edges count, ends inclusive; the boxes' sizes come from the
// picture store (player 50 x 69 rather than 46 x 65, shots 34 x 14).
#include <gtest/gtest.h>

#include "combat/hit_geometry.hpp"
#include "support/play_world.hpp"

using game::EdgesOverlap;
using game::ScreenBox;
using namespace game::GameData;

namespace {

ScreenBox Box(int left, int top, int width, int height) {
    return {platform::i16(left), platform::i16(left + width), platform::i16(top),
            platform::i16(top + height)};
}

}  // namespace

TEST(EdgesOverlap, OnlyTheMoversEdgesAreTestedAgainstTheTargetsSpan) {
    const ScreenBox enemy = Box(100, 100, 63, 64);
    // A 34-wide shot lying inside the enemy's width: both its edges are in the span.
    EXPECT_TRUE(EdgesOverlap(Box(110, 120, 34, 14), enemy));
    // The reverse: the enemy shot wholly inside the player box covers none of its edges.
    const ScreenBox player = Box(100, 100, 50, 69);
    EXPECT_FALSE(EdgesOverlap(player, Box(108, 120, 34, 14)));
    // Covering the player's left edge and top edge is a hit.
    EXPECT_TRUE(EdgesOverlap(player, Box(80, 90, 34, 14)));
    // Covering a vertical edge but neither horizontal edge is not.
    EXPECT_FALSE(EdgesOverlap(player, Box(80, 120, 34, 14)));
}

TEST(EdgesOverlap, TouchingEdgesCountAndOnePixelApartDoesNot) {
    const ScreenBox target = Box(200, 200, 63, 64);
    EXPECT_TRUE(EdgesOverlap(Box(166, 200, 34, 14), target));   // right edge = target left
    EXPECT_FALSE(EdgesOverlap(Box(165, 200, 34, 14), target));  // one short
    EXPECT_TRUE(EdgesOverlap(Box(263, 250, 34, 14), target));   // left edge = target right
    EXPECT_TRUE(EdgesOverlap(Box(220, 264, 34, 14), target));   // top edge = target bottom
    EXPECT_FALSE(EdgesOverlap(Box(220, 265, 34, 14), target));
}

class Boxes : public combattest::PlayWorld {};

TEST_F(Boxes, AreInPlayAreaPixelsWithTheStorePictureSizes) {
    Player().X = 1500;
    Player().Y = 320;
    CameraX = 1200;
    CameraY = 40;
    const ScreenBox p = game::PlayerBox();
    EXPECT_EQ(p.Left, 300);
    EXPECT_EQ(p.Right, 350);
    EXPECT_EQ(p.Top, 280);
    EXPECT_EQ(p.Bottom, 349);
    Enemy(2).X = 1700;
    Enemy(2).Y = 390;
    const ScreenBox e = game::EnemyBox(2);
    EXPECT_EQ(e.Left, 500);
    EXPECT_EQ(e.Right, 563);
    EXPECT_EQ(e.Top, 350);
    EXPECT_EQ(e.Bottom, 414);
    // Shots are already in play-area pixels: the camera does not enter.
    const ScreenBox s = game::ShotBox(-150, 60);
    EXPECT_EQ(s.Left, -150);
    EXPECT_EQ(s.Right, -116);
    EXPECT_EQ(s.Top, 60);
    EXPECT_EQ(s.Bottom, 74);
}

TEST_F(Boxes, AValueOutsideSixteenBitsIsAnOverflow) {
    Player().X = 40000;
    try {
        game::PlayerBox();
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::kErrOverflow);
    }
}
