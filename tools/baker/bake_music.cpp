// The game's music: each track is a text score under resources/music/ synthesised to a WAV.
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bakers.hpp"
#include "music_render.hpp"
#include "music_score.hpp"
#include "raster.hpp"

namespace baker {
namespace {

constexpr int kSampleRate = 22050;

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read: " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

void BakeMusic(const std::string& resources, const std::string& app) {
    const std::string dir = app + "/muz/";
    EnsureDirectory(dir);
    for (const char* track : {"menu", "level1", "level2", "win", "game_over"}) {
        const std::string source = resources + "/music/" + track + ".score";
        const music::Score score = music::ParseScore(ReadText(source), source);
        SaveWav(music::RenderScore(score, kSampleRate), 1, kSampleRate, dir + track + ".wav");
    }
    // Playing this stops whatever music is on, so it must be pure digital silence.
    SaveWav(std::vector<int16_t>(kSampleRate / 4, 0), 1, kSampleRate, dir + "silence.wav");
}

}  // namespace baker
