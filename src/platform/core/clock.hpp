// Time sources: the real monotonic clock, a virtual one that only a script advances, or a paced
// one: virtual, but stepped along in real time by the windowed runner (recording and replay).
// The real and paced clocks run the game's time at its speed (the assist setting): at 70 % a
// second of the game's time takes 1.43 real seconds, so the timers come more slowly while
// every rule sees the same game time.
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
    // The real time since the clock started: what the screen's pace and the pacing figures
    // are measured on (the virtual clock has only its own time).
    virtual int64_t RealMicros() const { return NowMicros(); }
    // The game's speed in percent; the virtual clock keeps it but runs as it is stepped.
    virtual void SetSpeed(int percent) { speed_ = percent; }
    int speed() const { return speed_; }
    // The real time until PaceMicros() reaches `paceMicros` (rounded up).
    int64_t RealMicrosUntil(int64_t paceMicros) const;

  protected:
    // The game's time that a real time maps onto, and a speed change that keeps it continuous.
    int64_t Scaled(int64_t realMicros) const;
    void Rebase(int64_t realMicros, int percent);

  private:
    int speed_ = 100;
    int64_t realAtChange_ = 0, gameAtChange_ = 0;
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
    int64_t NowMicros() const override { return Scaled(RealMicros()); }
    int64_t RealMicros() const override;
    void SetSpeed(int percent) override { Rebase(RealMicros(), percent); }

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
    int64_t PaceMicros() const override { return Scaled(RealMicros()) - dropped_; }
    int64_t RealMicros() const override;
    void SetSpeed(int percent) override { Rebase(RealMicros(), percent); }
    void Set(int64_t micros) { now_ = micros; }
    // From now on the real time maps `micros` (of the game's time) later onto the game's time.
    void DropRealTime(int64_t micros) { dropped_ += micros; }

  private:
    int64_t start_;
    int64_t now_ = 0;
    int64_t dropped_ = 0;
};

}  // namespace platform
