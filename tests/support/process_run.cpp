#include "support/process_run.hpp"
#include "support/build_paths.hpp"

#include "support/byte_files.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace reliability {
namespace {

ProcessResult Run(const std::vector<std::string>& argv, const std::vector<std::string>& unsetEnv,
                  const std::vector<std::string>& setEnv, int timeoutSeconds) {
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
    int raw = 0;
    for (;;) {
        const pid_t done = waitpid(child, &raw, WNOHANG);
        if (done == child)
            break;
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
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
    r.out = testsupport::ReadText(outFile);
    r.errors = testsupport::ReadText(errFile);
    std::error_code ec;
    fs::remove(outFile, ec);
    fs::remove(errFile, ec);
    return r;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& unsetEnv,
                         const std::vector<std::string>& setEnv, int timeoutSeconds) {
    return Run(argv, unsetEnv, setEnv, timeoutSeconds);
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

}  // namespace reliability
