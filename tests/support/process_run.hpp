// Runs the built game (or any command) as a child process and collects how it ended.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace reliability {

struct ProcessResult {
    int status = -1;          // exit status, or -1 when a signal ended the process
    int signal = 0;           // the signal that ended it, or 0
    std::string out, errors;  // stdout, stderr
};

// Runs argv[0] with the arguments; `unsetEnv` names variables removed from its environment and
// `setEnv` holds "NAME=value" entries added. Gives up and kills the child after `timeoutSeconds`.
ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& unsetEnv = {},
                         const std::vector<std::string>& setEnv = {}, int timeoutSeconds = 60);

// Same, but sends SIGTERM after `runMillis` (a windowed game then closes like its last window).
ProcessResult RunProcessFor(const std::vector<std::string>& argv, int runMillis,
                            const std::vector<std::string>& unsetEnv = {},
                            const std::vector<std::string>& setEnv = {});

// The built game executable.
std::string GameExecutable();

// The command prefix that runs a program with `folder` mounted read-only (even for root), or
// empty when this system cannot do that. For an ordinary user the folder stays read-only
// afterwards; the caller gives the write bits back.
std::vector<std::string> ReadOnlyPrefix(const std::filesystem::path& folder);

std::vector<uint8_t> ReadAll(const std::filesystem::path& file);
void WriteAll(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);

}  // namespace reliability
