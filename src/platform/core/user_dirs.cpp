#include "platform/core/user_dirs.hpp"

#include <cstdlib>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace platform {
namespace {

fs::path Home() {
    const char* home = std::getenv("HOME");
    return home && *home ? fs::path(home) : fs::path("/tmp");
}

// An absolute folder from the environment, or empty.
fs::path AbsoluteFromEnv(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value || value[0] != '/')
        return {};
    return value;
}

// XDG_PICTURES_DIR="$HOME/Pictures" as user-dirs.dirs writes it.
fs::path PicturesFromUserDirs(const fs::path& configHome) {
    std::ifstream in(configHome / "user-dirs.dirs");
    std::string line;
    const std::string key = "XDG_PICTURES_DIR=";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0)
            return Home() / value.substr(value.size() > 5 && value[5] == '/' ? 6 : 5);
        if (!value.empty() && value[0] == '/')
            return value;
    }
    return {};
}

fs::path ConfigHome() {
    fs::path config = AbsoluteFromEnv("XDG_CONFIG_HOME");
    return config.empty() ? Home() / ".config" : config;
}

}  // namespace

fs::path ConfigFolder() {
    return ConfigHome() / "dunspelt";
}

fs::path ScreenshotFolder() {
    fs::path pictures = AbsoluteFromEnv("XDG_PICTURES_DIR");
    if (pictures.empty())
        pictures = PicturesFromUserDirs(ConfigHome());
    if (pictures.empty())
        pictures = Home() / "Pictures";
    return pictures / "DUNSPELT";
}

}  // namespace platform
