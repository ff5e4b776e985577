// Ending the process when the window system has gone away under it: nothing may talk to the
// dead connection on the way out, so no destructors or exit handlers run, but what the game
// keeps buffered (the trace, and whatever registers here) reaches its files first.
#pragma once
#include <functional>

namespace platform {

// Adds work to do before an abrupt end, such as flushing a file being written.
void FlushBeforeAbruptEnd(std::function<void()> flush);

// Records the end in the trace, flushes, prints `message` as one line on stderr and ends the
// process with `status` at once. After GameEnded, the game's end is already told and written:
// the process then ends at once, quietly, with the status it was ending with.
[[noreturn]] void EndAbruptly(int status, const char* message);

// Says the game has ended with `status` and only the closing of its windows is left.
void GameEnded(int status);

}  // namespace platform
