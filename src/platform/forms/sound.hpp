// Music: plays a WAV file once, asynchronously, cutting off the sound in progress; a file that
// cannot be played gives the short default alert instead.
#pragma once
#include <string>

namespace platform {

void PlaySoundFile(const std::string& path);

}  // namespace platform
