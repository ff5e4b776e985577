// Time sources: the real monotonic clock, a virtual one that only a script advances, or a paced
// one: virtual, but stepped along in real time by the windowed runner (recording and replay).
#pragma once
#include <cstdint>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual int64_t NowMicros() const = 0;
    // The time that waiting for the next timer is measured on: the game's time for real and
    // virtual clocks; for a paced clock, the real time mapped onto the game's time.
    virtual int64_t PaceMicros() const { return NowMicros(); }
};

class VirtualClock : public Clock {
  public:
    int64_t NowMicros() const override { return now_; }
    void Set(int64_t micros) { now_ = micros; }

  private:
    int64_t now_ = 0;
};

class RealClock : public Clock {
  public:
    RealClock();
    int64_t NowMicros() const override;

  private:
    int64_t start_;
};

// The game's time stands still while handlers run, as on the virtual clock, and is stepped by
// the runner to each timer's due time once the real time has reached it. The real time that
// set-ups and slow frames take is dropped from the mapping instead of being caught up.
class PacedClock : public Clock {
  public:
    PacedClock();
    int64_t NowMicros() const override { return now_; }
    int64_t PaceMicros() const override;
    void Set(int64_t micros) { now_ = micros; }
    // From now on the real time maps `micros` later onto the game's time.
    void DropRealTime(int64_t micros) { dropped_ += micros; }

  private:
    int64_t start_;
    int64_t now_ = 0;
    int64_t dropped_ = 0;
};

}  // namespace platform
