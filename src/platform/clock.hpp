// Time sources: the real monotonic clock, or a virtual one that only a script advances.
#pragma once
#include <cstdint>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual int64_t NowMicros() const = 0;
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

}  // namespace platform
