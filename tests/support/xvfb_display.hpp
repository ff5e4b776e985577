// A private X server for tests that need a real window: Xvfb on a display it picks itself,
// and child processes that are always ended, also when a test fails half-way.
#pragma once
#include <sys/types.h>

#include <string>
#include <vector>

namespace testsupport {

// A process started by a test. The destructor ends it (SIGTERM, then SIGKILL) if it still runs.
class ChildProcess {
  public:
    // Starts argv[0] with `setEnv` ("NAME=value") added; stdout/stderr go to the given files
    // (empty: /dev/null).
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& setEnv = {},
                 const std::string& outFile = "", const std::string& errFile = "");
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool Running();
    // Waits up to `millis` for the process to end; true when it did. status() then holds its
    // exit status (-1 when a signal ended it; signal() names the signal).
    bool WaitFor(int millis);
    void Signal(int sig);
    // SIGTERM, a short grace, then SIGKILL; waits for it.
    void Stop();
    int status() const { return status_; }
    int signal() const { return signal_; }

  private:
    void Reap(int raw);
    pid_t pid_ = -1;
    bool ended_ = false;
    int status_ = -1, signal_ = 0;
};

// Xvfb on a free display (it chooses with -displayfd), with one screen of the given size.
class XvfbDisplay {
  public:
    XvfbDisplay(int width = 1920, int height = 1080);
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool ok() const { return !name_.empty(); }
    const std::string& name() const { return name_; }       // ":N"
    std::string env() const { return "DISPLAY=" + name_; }  // for ChildProcess / RunProcess
    // Ends the server now (a display that goes away under a running program).
    void Stop();

  private:
    std::string name_;
    ChildProcess* server_ = nullptr;
};

// Runs a short command (xdotool, import, xwininfo ...) on `display`; returns its stdout, or
// an empty string when it failed or took longer than `timeoutSeconds`.
std::string RunOnDisplay(const XvfbDisplay& display, const std::vector<std::string>& argv,
                         int timeoutSeconds = 10);

}  // namespace testsupport
