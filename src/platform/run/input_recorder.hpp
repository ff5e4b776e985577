// Writes the inputs the game acts on as a script that replays the same run: each input after a
// wait in milliseconds of the game's clock, so that the replay delivers it between the same two
// timer events. The file grows as the game goes and is flushed at least once a second.
#pragma once
#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/forms/input_event.hpp"

namespace platform {

// The first line of every recording; a script that starts with it is replayed strictly.
inline constexpr const char kRecordingMark[] = "# DUNSPELT recording";

// Whether a script's first line marks it as a recording.
bool IsRecording(const std::string& firstLine);

class InputRecorder {
  public:
    // Creates the file and writes the header: the mark with the version, the date, and the
    // `notes` as comment lines. False when the file cannot be written.
    bool Open(const std::string& path, const std::vector<std::string>& notes);
    bool active() const { return out_.is_open(); }

    // An input about to be acted on at `nowMicros` on the game's clock.
    void Record(const InputEvent& event, int64_t nowMicros);
    // Called between timer events: at most once a second, writes the time played since the last
    // line as a wait and flushes, so that a run cut off replays up to about then.
    void KeepUp(int64_t nowMicros);
    // The end of the run: the time since the last input, then the file is closed.
    void Finish(int64_t nowMicros);

  private:
    using Steady = std::chrono::steady_clock;
    void WaitUntil(int64_t nowMicros);
    void Flush();

    std::ofstream out_;
    std::string path_;
    int64_t writtenMs_ = 0;  // the game time the file has reached
    std::string lastInput_;  // the last input line written
    Steady::time_point flushed_;
    bool failed_ = false;
};

}  // namespace platform
