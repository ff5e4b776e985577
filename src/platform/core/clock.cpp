#include "platform/core/clock.hpp"

#include <chrono>

namespace platform {

namespace {
int64_t SteadyMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

int64_t Clock::RealMicrosUntil(int64_t paceMicros) const {
    const int64_t game = paceMicros - PaceMicros();
    return game <= 0 ? game : (game * 100 + speed_ - 1) / speed_;
}

int64_t Clock::Scaled(int64_t realMicros) const {
    return gameAtChange_ + (realMicros - realAtChange_) * speed_ / 100;
}

void Clock::Rebase(int64_t realMicros, int percent) {
    gameAtChange_ = Scaled(realMicros);
    realAtChange_ = realMicros;
    speed_ = percent;
}

RealClock::RealClock() : start_(SteadyMicros()) {}

int64_t RealClock::RealMicros() const {
    return SteadyMicros() - start_;
}

PacedClock::PacedClock() : start_(SteadyMicros()) {}

int64_t PacedClock::RealMicros() const {
    return SteadyMicros() - start_;
}

}  // namespace platform
