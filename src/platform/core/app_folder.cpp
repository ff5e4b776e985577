#include "platform/core/app_folder.hpp"

namespace platform {
namespace {

std::string& Folder() {
    static std::string folder = ".";
    return folder;
}

}  // namespace

void SetAppFolder(std::string path) {
    Folder() = std::move(path);
}

const std::string& AppFolder() {
    return Folder();
}

std::string AppFilePath(const std::string& relative) {
    std::string out = Folder();
    for (char c : relative) out += (c == '\\') ? '/' : c;
    return out;
}

std::string AppRelativeName(const std::string& path) {
    const std::string prefix = Folder() + "/";
    if (path.compare(0, prefix.size(), prefix) == 0)
        return path.substr(prefix.size());
    return path;
}

}  // namespace platform
