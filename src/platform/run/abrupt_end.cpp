#include "platform/run/abrupt_end.hpp"

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/forms/app.hpp"

namespace platform {
namespace {

std::vector<std::function<void()>>& Flushes() {
    static auto* flushes = new std::vector<std::function<void()>>;
    return *flushes;
}

// -1 while the game runs. Plain data: read during the process's exit.
volatile int endedWith = -1;

}  // namespace

void GameEnded(int status) {
    endedWith = status;
}

void FlushBeforeAbruptEnd(std::function<void()> flush) {
    Flushes().push_back(std::move(flush));
}

void EndAbruptly(int status, const char* message) {
    if (endedWith >= 0)
        _exit(endedWith);
    App& app = App::Get();
    app.TraceEvent("end", "cause", message);
    app.tracer().Flush();
    for (const auto& flush : Flushes()) flush();
    std::fflush(stdout);
    // One write, so that the line cannot be split by other output.
    std::string line = std::string("dunspelt: ") + message + "\n";
    const ssize_t written = write(STDERR_FILENO, line.data(), line.size());
    (void)written;
    _exit(status);
}

}  // namespace platform
