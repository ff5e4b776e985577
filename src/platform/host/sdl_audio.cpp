#include "platform/host/sdl_audio.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace platform::host {
namespace {

// The mixer runs at the music's own rate, mono, so a track starts without being converted.
constexpr int kMixRate = 22050;

// Whether any sound output could exist: a sound card or a sound server's socket. Without one,
// the audio libraries only print errors while failing, so the silent driver is used at once.
bool MayHaveAudio() {
    if (std::getenv("SDL_AUDIODRIVER"))
        return true;
    std::error_code ec;
    if (std::filesystem::exists("/dev/snd", ec))
        return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && (std::filesystem::exists(std::string(runtime) + "/pulse/native", ec) ||
                       std::filesystem::exists(std::string(runtime) + "/pipewire-0", ec));
}

}  // namespace

void SdlAudio::Open() {
    if (!MayHaveAudio())
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto open = [] {
        return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
               Mix_OpenAudio(kMixRate, MIX_DEFAULT_FORMAT, 1, 1024) == 0;
    };
    open_ = open();
    if (!open_) {
        // No audio device: go on silently through SDL's dummy driver.
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        open_ = open();
    }
    if (!open_)
        return;
    Mix_AllocateChannels(1);
    // The default alert: a short two-tone chime, made here so that it never fails to load.
    const int rate = kMixRate, samples = rate / 5;
    auto* buffer = static_cast<int16_t*>(SDL_malloc(size_t(samples) * 2));
    for (int i = 0; i < samples; ++i) {
        double t = double(i) / rate, hz = i < samples / 2 ? 880.0 : 660.0;
        double env = 1.0 - double(i) / samples;
        auto v = int16_t(6000 * env * std::sin(2 * M_PI * hz * t));
        buffer[i] = v;
    }
    alert_ = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(buffer), Uint32(samples * 2));
}

void SdlAudio::Close() {
    if (!open_)
        return;
    Mix_HaltChannel(-1);
    if (playing_)
        Mix_FreeChunk(playing_);
    if (alert_) {
        // A chunk made from raw samples does not own them.
        Uint8* samples = alert_->abuf;
        Mix_FreeChunk(alert_);
        SDL_free(samples);
    }
    Mix_CloseAudio();
}

void SdlAudio::Play(const std::string& path) {
    if (!open_)
        return;
    Mix_HaltChannel(0);
    if (playing_) {
        Mix_FreeChunk(playing_);
        playing_ = nullptr;
    }
    playing_ = Mix_LoadWAV(path.c_str());
    Mix_PlayChannel(0, playing_ ? playing_ : alert_, 0);
}

void SdlAudio::Pause(bool paused) {
    if (!open_)
        return;
    if (paused)
        Mix_Pause(0);
    else
        Mix_Resume(0);
}

void SdlAudio::SetVolume(int percent) {
    if (open_)
        Mix_Volume(-1, percent * MIX_MAX_VOLUME / 100);
}

}  // namespace platform::host
