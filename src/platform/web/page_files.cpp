#include "platform/web/page_files.hpp"

#include <system_error>
#include <vector>

#include "platform/core/user_dirs.hpp"
#include "platform/settings/game_settings.hpp"
#include "platform/web/page.hpp"

namespace fs = std::filesystem;

namespace platform::web {

void PageFiles::Check(int64_t nowMicros) {
    constexpr int64_t kEveryMicros = 250'000;
    if (nowMicros < nextCheck_)
        return;
    nextCheck_ = nowMicros + kEveryMicros;
    std::error_code ec;
    // Each screenshot goes to the player once and leaves the page's memory.
    std::vector<fs::path> shots;
    for (const auto& entry : fs::directory_iterator(ScreenshotFolder(), ec))
        if (entry.path().extension() == ".png")
            shots.push_back(entry.path());
    for (const fs::path& shot : shots) {
        DownloadFile(shot.string(), "image/png");
        fs::remove(shot, ec);
    }
    const fs::path& settings = GameSettings().path();
    if (settings.empty())
        return;
    const auto written = fs::last_write_time(settings, ec);
    if (!ec && written != settingsWritten_) {
        settingsWritten_ = written;
        SaveStorage();
    }
}

}  // namespace platform::web
