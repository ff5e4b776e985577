// When frames go to the screen: no more than the display's refresh rate, never into the next
// tick, and still now and then when showing a frame is slower than the gap between ticks; a
// frame answering the player's input goes out right after its tick, taking the next slot. And
// the clocks they are paced on: the game's time runs at the game's speed against the real time.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/core/clock.hpp"
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
    EXPECT_EQ(pacer.nextSlot(), 16000);
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
    EXPECT_EQ(pacer.nextSlot(), 508000);
}

// Show now or wait, over the phases of the ticks and the refresh: one frame of 1 ms went out at
// 0 (so the next slot is at 16000 and a frame is reckoned to take 250 us).
struct Phase {
    const char* what;
    int64_t now, nextTick;
    bool answersInput;
    bool shows;
    int64_t wake;  // WakeFor: when to come back, -1 after the next tick
};

TEST(FramePacer, AFrameAnsweringInputGoesOutRightAfterItsTickUnlessItWouldRunIntoTheNext) {
    const Phase phases[] = {
        {"mid-refresh, nothing new: waits for the tick after the slot", 5000, 15000, false, false,
         -1},
        {"mid-refresh, a new input: at once", 5000, 15000, true, true, 5000},
        {"just after the last frame, a new input: at once", 1000, 10000, true, true, 1000},
        {"a new input, but it would run into the next tick", 9900, 10000, true, false, -1},
        {"at the slot, nothing new", 16000, 20000, false, true, 16000},
        {"past the slot, a new input", 18000, 20000, true, true, 18000},
        {"no timer, nothing new: waits for the slot", 3000, -1, false, false, 16000},
        {"no timer, a new input: at once", 3000, -1, true, true, 3000},
    };
    for (const Phase& p : phases) {
        FramePacer pacer(16000);
        pacer.Shown(0, 1000);
        EXPECT_EQ(pacer.MayShow(p.now, p.nextTick, p.answersInput), p.shows) << p.what;
        EXPECT_EQ(pacer.WakeFor(p.now, p.nextTick, p.answersInput), p.wake) << p.what;
    }
}

TEST(FramePacer, AnEarlyFrameTakesTheNextSlotSoInputEveryTickStaysAtTheDisplaysRate) {
    FramePacer pacer(16000);
    pacer.Shown(0, 1000);
    pacer.Shown(5000, 6000);  // early, for an input: it had the slot at 16000
    EXPECT_EQ(pacer.nextSlot(), 32000);
    EXPECT_FALSE(pacer.MayShow(10000, -1, true));
    EXPECT_EQ(pacer.WakeFor(10000, -1, true), 16000);
    EXPECT_TRUE(pacer.MayShow(16000, -1, true));
    // A new input on every tick for a second: at most one frame per refresh, plus the one a
    // refresh early.
    FramePacer sixty(1000000 / 60);
    int frames = 0;
    for (int64_t tick = 0; tick < 1000000; tick += 10000)
        if (sixty.MayShow(tick + 500, tick + 10000, true)) {
            sixty.Shown(tick + 500, tick + 1500);
            ++frames;
        }
    EXPECT_LE(frames, 61);
    EXPECT_GE(frames, 50);
}

template <typename C>
int64_t GameTime(const C& clock) {
    return clock.PaceMicros();
}

template <typename C>
void RunsAtItsSpeedWithoutJumps(C& clock) {
    using std::chrono::milliseconds;
    std::this_thread::sleep_for(milliseconds(5));
    for (int percent : {50, 70, 100, 60}) {
        const int64_t before = GameTime(clock);
        clock.SetSpeed(percent);
        const int64_t game = GameTime(clock), real = clock.RealMicros();
        EXPECT_GE(game, before) << percent;
        EXPECT_LT(game - before, 1000) << percent << ": the change moved the game's time";
        std::this_thread::sleep_for(milliseconds(20));
        const int64_t gamePassed = GameTime(clock) - game, realPassed = clock.RealMicros() - real;
        EXPECT_NEAR(double(gamePassed), double(realPassed) * percent / 100, 500) << percent;
        // What the runner waits for a time on the game's clock, in real time.
        EXPECT_NEAR(double(clock.RealMicrosUntil(GameTime(clock) + 7000)), 7000.0 * 100 / percent,
                    500)
            << percent;
    }
}

TEST(ClockSpeed, TheRealAndPacedClocksRunTheGamesTimeAtItsSpeedWithoutJumps) {
    platform::RealClock real;
    RunsAtItsSpeedWithoutJumps(real);
    platform::PacedClock paced;
    paced.DropRealTime(3000);
    RunsAtItsSpeedWithoutJumps(paced);
}

}  // namespace
