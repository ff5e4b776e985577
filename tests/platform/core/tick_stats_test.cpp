// The pacing figures of --stats: ticks, frames shown while ticks ran, and the time from a
// click to the first tick.
#include <gtest/gtest.h>

#include "platform/core/tick_stats.hpp"

namespace {

TEST(TickStats, FramesAreCountedOverThePlayAndTheFirstTickIsTimedFromTheClick) {
    platform::TickStats stats;
    stats.RecordClick(1000);  // not enabled yet: nothing is kept
    stats.Record(0, 100);
    EXPECT_EQ(stats.count(), 0u);

    stats.Enable();
    stats.RecordFrame(1000);  // before play: not counted
    stats.RecordClick(5000);
    stats.RecordClick(20000);  // the last click before the first tick counts
    for (int i = 0; i <= 100; ++i) {
        const int64_t start = 62000 + i * 10000;  // 100 ticks/s for one second
        stats.Record(start, start + 500);
        if (i % 2 == 0)
            stats.RecordFrame(start + 600);  // every other tick: 50 frames per second
    }
    stats.RecordClick(2000000);  // clicks during play change nothing
    const std::string summary = stats.Summary();
    EXPECT_NE(summary.find("ticks 101, 100.00 ticks/s"), std::string::npos) << summary;
    EXPECT_NE(summary.find("click to first tick 42.0 ms"), std::string::npos) << summary;
    // 50 frames in the second of play (the frame after the last tick's end is outside it).
    EXPECT_NE(summary.find("frames 50.0 per s"), std::string::npos) << summary;
}

}  // namespace
