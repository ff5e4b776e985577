// Files the game writes that belong to the player in the page: a screenshot (F12) becomes a
// download, and a changed settings file is written back to the browser's storage.
#pragma once
#include <cstdint>
#include <filesystem>

namespace platform::web {

class PageFiles {
  public:
    // Looks at the screenshot folder and the settings file, at most a few times a second.
    void Check(int64_t nowMicros);

  private:
    int64_t nextCheck_ = 0;
    std::filesystem::file_time_type settingsWritten_{};
};

}  // namespace platform::web
