#include "platform/run/input_recorder.hpp"

#include <ctime>
#include <iostream>

#include "platform/run/script_input.hpp"

namespace platform {

namespace {

constexpr auto kFlushEvery = std::chrono::seconds(1);

std::string UtcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
    return text;
}

}  // namespace

bool IsRecording(const std::string& firstLine) {
    return firstLine.rfind(kRecordingMark, 0) == 0;
}

bool InputRecorder::Open(const std::string& path, const std::vector<std::string>& notes) {
    out_.open(path, std::ios::out | std::ios::trunc);
    if (!out_)
        return false;
    path_ = path;
    out_ << kRecordingMark << ", version " << DUNSPELT_VERSION << "\n"
         << "# recorded " << UtcNow() << "\n"
         << "# watch: dunspelt --replay FILE; replay: dunspelt --headless --script FILE\n";
    for (const std::string& note : notes) out_ << "# " << note << "\n";
    Flush();
    return active();
}

void InputRecorder::WaitUntil(int64_t nowMicros) {
    const int64_t nowMs = nowMicros / 1000;
    if (nowMs > writtenMs_) {
        out_ << "wait " << (nowMs - writtenMs_) << "\n";
        writtenMs_ = nowMs;
    }
}

void InputRecorder::Record(const InputEvent& event, int64_t nowMicros) {
    if (!active())
        return;
    const std::string line = ScriptLineOf(event);
    if (line.empty())
        return;
    // The move handlers only show or restore hover images, so a move onto the control the
    // pointer was already over changes nothing: the pointer's every step is left out.
    if (event.kind == InputEvent::Kind::kMouseMove && line == lastInput_)
        return;
    WaitUntil(nowMicros);
    out_ << line << "\n";
    lastInput_ = line;
    if (Steady::now() - flushed_ >= kFlushEvery)
        Flush();
}

void InputRecorder::KeepUp(int64_t nowMicros) {
    if (!active() || Steady::now() - flushed_ < kFlushEvery)
        return;
    WaitUntil(nowMicros);
    Flush();
}

void InputRecorder::Finish(int64_t nowMicros) {
    if (!active())
        return;
    WaitUntil(nowMicros);
    Flush();
    out_.close();
}

void InputRecorder::Flush() {
    out_.flush();
    flushed_ = Steady::now();
    if (!out_ && !failed_) {
        // The game goes on; the recording is what is lost.
        failed_ = true;
        std::cerr << "dunspelt: cannot write the recording " << path_ << "\n";
    }
}

}  // namespace platform
