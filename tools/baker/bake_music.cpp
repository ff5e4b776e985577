// Placeholder music: short tones, one per track, and the silent clip.
#include <cmath>
#include <string>
#include <vector>

#include "bakers.hpp"
#include "raster.hpp"

namespace baker {

void BakeMusic(const std::string&, const std::string& app) {
    const std::string dir = app + "/muz/";
    EnsureDirectory(dir);
    const int rate = 22050;
    auto tone = [&](double hz, double seconds) {
        std::vector<int16_t> s(size_t(rate * seconds));
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = int16_t(3000 * std::sin(2 * M_PI * hz * double(i) / rate));
        return s;
    };
    SaveWav(tone(220, 2), 1, rate, dir + "menu.wav");
    SaveWav(tone(262, 2), 1, rate, dir + "level1.wav");
    SaveWav(tone(294, 2), 1, rate, dir + "level2.wav");
    SaveWav(tone(330, 2), 1, rate, dir + "win.wav");
    SaveWav(tone(196, 1), 1, rate, dir + "game_over.wav");
    SaveWav(std::vector<int16_t>(size_t(rate / 4), 0), 1, rate, dir + "silence.wav");
}

}  // namespace baker
