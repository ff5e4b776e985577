// The game's music: each track is a text score under resources/music/ synthesised to a WAV;
// the web build takes the same music as Ogg Vorbis.
#include <SDL.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bakers.hpp"
#include "music_render.hpp"
#include "music_score.hpp"
#include "ogg_vorbis.hpp"
#include "raster.hpp"

namespace baker {
namespace {

constexpr int kSampleRate = 22050;
// About 37 kbit/s for the game's mono 22 kHz music: a ninth of the WAVs' size, which keeps the
// page's first load small, and still clean for these synthesised tracks.
constexpr float kWebQuality = 0.3f;

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read: " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The samples of a baked WAV (16-bit, as SaveWav writes them).
std::vector<int16_t> LoadWavSamples(const std::string& path, int& channels, int& sampleRate) {
    SDL_AudioSpec wav;
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV(path.c_str(), &wav, &data, &bytes))
        throw std::runtime_error("cannot read " + path + ": " + SDL_GetError());
    std::vector<int16_t> samples(bytes / 2);
    std::copy_n(data, samples.size() * 2, reinterpret_cast<Uint8*>(samples.data()));
    SDL_FreeWAV(data);
    if (wav.format != AUDIO_S16LSB)
        throw std::runtime_error(path + " is not 16-bit little-endian PCM");
    channels = wav.channels;
    sampleRate = wav.freq;
    return samples;
}

}  // namespace

void BakeWebMusic(const std::string& wavDir, const std::string& outDir) {
    EnsureDirectory(outDir);
    std::vector<std::filesystem::path> wavs;
    for (const auto& entry : std::filesystem::directory_iterator(wavDir))
        if (entry.path().extension() == ".wav")
            wavs.push_back(entry.path());
    if (wavs.empty())
        throw std::runtime_error("no music in " + wavDir);
    for (const auto& wav : wavs) {
        int channels = 0, sampleRate = 0;
        const std::vector<int16_t> samples = LoadWavSamples(wav.string(), channels, sampleRate);
        const auto ogg = std::filesystem::path(outDir) / wav.filename().replace_extension(".ogg");
        SaveOggVorbis(samples, channels, sampleRate, kWebQuality, ogg.string());
    }
}

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
