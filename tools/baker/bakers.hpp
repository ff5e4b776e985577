// The baker's three jobs; each reads its sources under `resources` and writes into `app`.
#pragma once
#include <string>

namespace baker {

void BakePictures(const std::string& resources, const std::string& app);  // app/pics/
void BakeLevels(const std::string& resources, const std::string& app);    // app/maps/
void BakeMusic(const std::string& resources, const std::string& app);     // app/muz/
// Every WAV of `wavDir` (the baked muz/) as an Ogg Vorbis file of the same name in `outDir`.
void BakeWebMusic(const std::string& wavDir, const std::string& outDir);

}  // namespace baker
