// Ogg Vorbis files for the web build, whose page must load its music quickly.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace baker {

// Encodes interleaved 16-bit samples at `quality` (libvorbis' VBR scale, -0.1 to 1). The stream's
// serial number is fixed, so the same samples always give the same file.
void SaveOggVorbis(const std::vector<int16_t>& samples, int channels, int sampleRate, float quality,
                   const std::string& path);

}  // namespace baker
