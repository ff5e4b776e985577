// Sound through SDL's mixer: one channel at the music's own rate, one WAV file at a time, and a
// chime made in memory for the file that fails to load.
#pragma once
#include <string>

struct Mix_Chunk;

namespace platform::host {

class SdlAudio {
  public:
    SdlAudio() = default;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Opens the sound device, or SDL's silent driver where there is none.
    void Open();
    // Frees the sounds and closes the device; before SDL itself is shut down.
    void Close();
    // Plays a WAV file once, cutting off the sound in progress; the chime on failure.
    void Play(const std::string& path);
    void Pause(bool paused);
    // 0 to 100.
    void SetVolume(int percent);

  private:
    bool open_ = false;
    Mix_Chunk* playing_ = nullptr;
    Mix_Chunk* alert_ = nullptr;
};

}  // namespace platform::host
