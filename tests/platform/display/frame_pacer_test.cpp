// When frames go to the screen: no more than the display's refresh rate, never into the next
// tick, and still now and then when showing a frame is slower than the gap between ticks.
#include <gtest/gtest.h>

#include "platform/display/frame_pacer.hpp"

namespace {

using platform::FramePacer;

struct Outcome {
    int frames = 0;
    int ticksRunInto = 0;  // frames that ended after the next tick was due
};

// One second of play from `clock` on: a tick every 10 ms taking 0.5 ms, each changing the
// picture, which is shown after the tick when the pacer allows and takes `cost` micros to show.
Outcome PlayOneSecond(FramePacer& pacer, int64_t cost, int64_t& clock) {
    Outcome out;
    const int64_t begin = clock;
    clock += 1000000;
    for (int64_t tick = begin; tick < clock; tick += 10000) {
        const int64_t now = tick + 500, nextTick = tick + 10000;
        if (!pacer.MayShow(now, nextTick))
            continue;
        pacer.Shown(now, now + cost);
        ++out.frames;
        if (now + cost > nextTick)
            ++out.ticksRunInto;
    }
    return out;
}

TEST(FramePacer, AtOneHundredTicksASixtyHertzDisplayGetsAboutSixtyFramesAndNoTickWaits) {
    FramePacer pacer(1000000 / 60);
    int64_t clock = 0;
    const Outcome cheap = PlayOneSecond(pacer, 2000, clock);
    EXPECT_LE(cheap.frames, 60);
    EXPECT_GE(cheap.frames, 55);
    EXPECT_EQ(cheap.ticksRunInto, 0);
    // A display as fast as the ticks gets every tick's picture.
    FramePacer fast(1000000 / 144);
    int64_t fastClock = 0;
    EXPECT_EQ(PlayOneSecond(fast, 2000, fastClock).frames, 100);
}

TEST(FramePacer, FramesSlowerThanTheGapBetweenTicksGoOutOnlyWhenHeldTooLong) {
    FramePacer pacer(1000000 / 60);
    int64_t clock = 0;
    PlayOneSecond(pacer, 2000, clock);  // it learns the cost as it goes
    const Outcome slow = PlayOneSecond(pacer, 12000, clock);
    // A few slow frames teach the pacer; after that one frame per hold time, so at most a
    // dozen and a half of the hundred ticks wait for the screen.
    EXPECT_LE(slow.frames, 6 + 1000000 / FramePacer::kMaxHoldMicros);
    EXPECT_GE(slow.frames, 1000000 / FramePacer::kMaxHoldMicros - 1);
    EXPECT_LE(slow.ticksRunInto, slow.frames);
    // Once frames are cheap again, the rate comes back as the remembered cost fades.
    PlayOneSecond(pacer, 2000, clock);
    EXPECT_GE(PlayOneSecond(pacer, 2000, clock).frames, 55);
}

TEST(FramePacer, WithNoTimerAFrameWaitsOnlyForItsSlot) {
    FramePacer pacer(16000);
    EXPECT_TRUE(pacer.MayShow(0, -1));
    pacer.Shown(0, 1000);
    EXPECT_EQ(pacer.NextSlot(), 16000);
    EXPECT_FALSE(pacer.MayShow(15999, -1));
    EXPECT_TRUE(pacer.MayShow(16000, -1));
    // Waiting for the slot, unless the frame would run into the next tick.
    EXPECT_EQ(pacer.WakeFor(5000, -1), 16000);
    // One frame of 1 ms averages in as a quarter of a millisecond.
    EXPECT_EQ(pacer.WakeFor(5000, 16250), 16000);
    EXPECT_EQ(pacer.WakeFor(5000, 16249), -1);
    EXPECT_EQ(pacer.WakeFor(17000, -1), 17000);  // past its slot: at once
    // A frame shown long after its slot does not earn a quick one after it.
    pacer.Shown(500000, 501000);
    EXPECT_EQ(pacer.NextSlot(), 508000);
}

}  // namespace
