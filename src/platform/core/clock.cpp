#include "platform/core/clock.hpp"

#include <chrono>

namespace platform {

namespace {
int64_t SteadyMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

RealClock::RealClock() : start_(SteadyMicros()) {}

int64_t RealClock::NowMicros() const {
    return SteadyMicros() - start_;
}

PacedClock::PacedClock() : start_(SteadyMicros()) {}

int64_t PacedClock::PaceMicros() const {
    return SteadyMicros() - start_ - dropped_;
}

}  // namespace platform
