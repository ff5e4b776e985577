// The volume of the settings file through the windowed game's own start: the mixer plays at
// that volume from the first moment, is silent while muted and comes back to it on unmute.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/app.hpp"
#include "platform/input/input_router.hpp"
#include "platform/run/runner.hpp"
#include "platform/settings/game_settings.hpp"
#include "support/headless_run.hpp"

using platform::App;
using platform::InputEvent;

namespace {

// The dummy video driver for this test only: games started later by other tests of the same
// process inherit the environment.
class DummyVideo {
  public:
    DummyVideo() {
        if (const char* v = std::getenv("SDL_VIDEODRIVER"))
            before_ = v;
        setenv("SDL_VIDEODRIVER", "dummy", 1);
    }
    ~DummyVideo() {
        if (before_)
            setenv("SDL_VIDEODRIVER", before_->c_str(), 1);
        else
            unsetenv("SDL_VIDEODRIVER");
    }

  private:
    std::optional<std::string> before_;
};

}  // namespace

TEST(SoundVolume, TheSettingsVolumeIsWhatTheMixerPlaysAtStartAndAgainAfterMuteAndUnmute) {
    DummyVideo video;
    testsupport::TempApp app;
    const std::filesystem::path settings = app.dir() / "settings.ini";
    std::ofstream(settings) << "[sound]\nvolume = 40\n";
    platform::LoadGameSettings(settings);
    platform::RunOptions options;
    options.appDir = app.dir().string();
    std::vector<int> heard;
    const int status = platform::RunApplication(options, [&heard] {
        App& a = App::Get();
        heard.push_back(Mix_Volume(0, -1));
        for (int press = 0; press < 2; ++press) {  // mute, unmute
            a.Post({InputEvent::Kind::kKeyDown, nullptr, nullptr, platform::kPhysM});
            a.Post({InputEvent::Kind::kKeyUp, nullptr, nullptr, platform::kPhysM});
            a.DoEvents();
            heard.push_back(Mix_Volume(0, -1));
        }
        a.EndProcess(0);
    });
    // Later tests of this process start from the defaults again.
    platform::GameSettings().Override("sound", "volume", "100");
    platform::LoadGameSettings(std::nullopt);
    platform::Input(App::Get()).SetVolume(App::Get(), 100);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(heard, (std::vector<int>{40 * MIX_MAX_VOLUME / 100, 0, 40 * MIX_MAX_VOLUME / 100}));
}
