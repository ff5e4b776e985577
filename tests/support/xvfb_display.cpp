#include "support/xvfb_display.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace testsupport {
namespace {

using Clock = std::chrono::steady_clock;

int OpenOr(const std::string& file, int flags) {
    return open(file.empty() ? "/dev/null" : file.c_str(), flags, 0600);
}

// The full path of a program on PATH (execv needs one).
std::string Which(const std::string& name) {
    if (name.find('/') != std::string::npos)
        return name;
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = dirs.find(':', start);
        const std::string candidate =
            dirs.substr(start, end == std::string::npos ? std::string::npos : end - start) + "/" +
            name;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return name;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::vector<std::string>& setEnv, const std::string& outFile,
                           const std::string& errFile) {
    const std::string program = Which(argv.at(0));
    pid_ = fork();
    if (pid_ != 0)
        return;
    // Its own process group, so that Stop() also reaches anything it starts.
    setpgid(0, 0);
    for (const std::string& entry : setEnv) {
        const size_t eq = entry.find('=');
        setenv(entry.substr(0, eq).c_str(), entry.substr(eq + 1).c_str(), 1);
    }
    const int in = open("/dev/null", O_RDONLY);
    const int out = OpenOr(outFile, O_WRONLY | O_CREAT | O_TRUNC);
    const int err = OpenOr(errFile, O_WRONLY | O_CREAT | O_TRUNC);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args[0] = const_cast<char*>(program.c_str());
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
}

ChildProcess::~ChildProcess() {
    Stop();
}

void ChildProcess::Reap(int raw) {
    ended_ = true;
    if (WIFEXITED(raw))
        status_ = WEXITSTATUS(raw);
    else if (WIFSIGNALED(raw))
        signal_ = WTERMSIG(raw);
}

bool ChildProcess::Running() {
    if (ended_ || pid_ <= 0)
        return false;
    int raw = 0;
    if (waitpid(pid_, &raw, WNOHANG) == pid_)
        Reap(raw);
    return !ended_;
}

bool ChildProcess::WaitFor(int millis) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(millis);
    while (Running()) {
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void ChildProcess::Signal(int sig) {
    if (Running())
        kill(pid_, sig);
}

void ChildProcess::Stop() {
    if (pid_ <= 0)
        return;
    if (Running()) {
        kill(-pid_, SIGTERM);
        kill(pid_, SIGTERM);
        if (!WaitFor(2000)) {
            kill(-pid_, SIGKILL);
            kill(pid_, SIGKILL);
            int raw = 0;
            if (waitpid(pid_, &raw, 0) == pid_)
                Reap(raw);
        }
    }
    // Whatever the child left in its group goes too.
    kill(-pid_, SIGKILL);
}

XvfbDisplay::XvfbDisplay(int width, int height) {
    int fds[2];
    if (pipe(fds) != 0)
        return;
    // Descriptors are inherited across exec: Xvfb writes its display number to the pipe.
    const std::string size = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const int readSide = fds[0], writeSide = fds[1];
    server_ = new ChildProcess({"Xvfb", "-displayfd", std::to_string(writeSide), "-screen", "0",
                                size, "-nolisten", "tcp", "-noreset"});
    close(writeSide);
    std::string number;
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        pollfd p{readSide, POLLIN, 0};
        if (poll(&p, 1, 100) > 0) {
            char buffer[16];
            const ssize_t n = read(readSide, buffer, sizeof buffer);
            if (n <= 0)
                break;
            number.append(buffer, size_t(n));
            if (number.find('\n') != std::string::npos)
                break;
        }
        if (!server_->Running())
            break;
    }
    close(readSide);
    while (!number.empty() && (number.back() == '\n' || number.back() == ' ')) number.pop_back();
    if (number.empty() || !server_->Running()) {
        Stop();
        return;
    }
    name_ = ":" + number;
}

XvfbDisplay::~XvfbDisplay() {
    Stop();
}

void XvfbDisplay::Stop() {
    delete server_;
    server_ = nullptr;
}

std::string RunOnDisplay(const XvfbDisplay& display, const std::vector<std::string>& argv,
                         int timeoutSeconds) {
    char path[] = "/tmp/dunspelt-xout-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return "";
    close(fd);
    std::string out;
    {
        ChildProcess child(argv, {display.env()}, path);
        if (!child.WaitFor(timeoutSeconds * 1000) || child.status() != 0) {
            unlink(path);
            return "";
        }
    }
    if (FILE* f = fopen(path, "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) out.append(buffer, n);
        fclose(f);
    }
    unlink(path);
    return out;
}

}  // namespace testsupport
