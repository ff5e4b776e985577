#include "support/process_run.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace reliability {
namespace {

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ProcessResult Run(const std::vector<std::string>& argv, const std::vector<std::string>& unsetEnv,
                  const std::vector<std::string>& setEnv, int termAfterMillis, int timeoutSeconds) {
    static int counter = 0;
    const fs::path base = fs::temp_directory_path() / ("dunspelt-proc-" + std::to_string(getpid()) +
                                                       "-" + std::to_string(counter++));
    const fs::path outFile = base.string() + ".out", errFile = base.string() + ".err";
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        for (const std::string& name : unsetEnv) unsetenv(name.c_str());
        for (const std::string& entry : setEnv) {
            const size_t eq = entry.find('=');
            setenv(entry.substr(0, eq).c_str(), entry.substr(eq + 1).c_str(), 1);
        }
        const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    bool termSent = false;
    int raw = 0;
    for (;;) {
        const pid_t done = waitpid(child, &raw, WNOHANG);
        if (done == child)
            break;
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        if (termAfterMillis >= 0 && !termSent && elapsed >= termAfterMillis) {
            kill(child, SIGTERM);
            termSent = true;
        }
        if (elapsed > int64_t(timeoutSeconds) * 1000) {
            kill(child, SIGKILL);
            waitpid(child, &raw, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ProcessResult r;
    if (WIFEXITED(raw))
        r.status = WEXITSTATUS(raw);
    else if (WIFSIGNALED(raw))
        r.signal = WTERMSIG(raw);
    r.out = Slurp(outFile);
    r.errors = Slurp(errFile);
    std::error_code ec;
    fs::remove(outFile, ec);
    fs::remove(errFile, ec);
    return r;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& unsetEnv,
                         const std::vector<std::string>& setEnv, int timeoutSeconds) {
    return Run(argv, unsetEnv, setEnv, -1, timeoutSeconds);
}

ProcessResult RunProcessFor(const std::vector<std::string>& argv, int runMillis,
                            const std::vector<std::string>& unsetEnv,
                            const std::vector<std::string>& setEnv) {
    return Run(argv, unsetEnv, setEnv, runMillis, 60);
}

std::string GameExecutable() {
    return std::string(DUNSPELT_APP_DIR) + "/dunspelt";
}

std::vector<std::string> ReadOnlyPrefix(const fs::path& folder) {
    if (geteuid() != 0) {
        // Folder permissions bind an ordinary user; the caller removes the write bits.
        return {"/bin/sh", "-c", "chmod -R a-w \"$0\" && exec \"$@\"", folder.string()};
    }
    // Root ignores permissions: a private mount namespace with the folder bound read-only.
    const std::vector<std::string> prefix = {
        "/usr/bin/unshare",
        "-m",
        "/bin/sh",
        "-c",
        "mount --bind \"$0\" \"$0\" && mount -o remount,bind,ro \"$0\" && exec \"$@\"",
        folder.string()};
    ProcessResult probe = RunProcess(
        [&] {
            auto p = prefix;
            p.insert(p.end(),
                     {"/bin/sh", "-c", "! touch \"$0/.probe\" 2>/dev/null", folder.string()});
            return p;
        }(),
        {}, {}, 10);
    if (probe.status != 0)
        return {};
    return prefix;
}

std::vector<uint8_t> ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& file, const std::vector<uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace reliability
