// Pacing figures of a run: how often ticks ran, how long they took, what they cost in CPU.
#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace platform {

class TickStats {
  public:
    // Figures are kept only once enabled (--stats): every tick adds to them, so a long game
    // without the option must not pay for them in memory.
    void Enable() { enabled_ = true; }
    void Record(int64_t startMicros, int64_t endMicros);
    // "ticks N, T ticks/s, interval p50 A ms p99 B ms, work p50 C ms p99 D ms, cpu E s per s"
    std::string Summary() const;
    // Time spent putting frames on screen (windowed only).
    void RecordPresent(int64_t micros) {
        if (enabled_ && micros > 0)
            present_.push_back(micros);
    }
    // A frame put on screen (windowed only), at this time on the app clock.
    void RecordFrame(int64_t micros) {
        if (enabled_)
            frames_.push_back(micros);
    }
    // A click delivered: the first tick after one is timed from it (start button to play).
    void RecordClick(int64_t micros) {
        if (enabled_ && starts_.empty())
            lastClick_ = micros;
    }
    size_t count() const { return starts_.size(); }

  private:
    std::vector<int64_t> starts_, work_, present_, frames_;
    std::clock_t cpuAtFirst_ = 0;
    int64_t lastEnd_ = 0;
    int64_t lastClick_ = -1, clickToFirstTick_ = -1;
    bool enabled_ = false;
};

}  // namespace platform
