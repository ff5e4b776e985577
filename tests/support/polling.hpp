// Waiting in tests for a sign that a game has got somewhere (a window, a file, an ended
// process) instead of for a fixed time, which a loaded machine can always outlast.
#pragma once
#include <chrono>
#include <thread>

namespace testsupport {

inline void Sleep(int millis) {
    std::this_thread::sleep_for(std::chrono::milliseconds(millis));
}

// Asks `done` every `everyMillis` for up to `millis`; whether it came true.
template <typename Predicate>
bool WaitUntil(Predicate done, int millis, int everyMillis = 50) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(millis);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Sleep(everyMillis);
    }
    return true;
}

}  // namespace testsupport
