// The native tools that make the web build's data: the baker's Ogg Vorbis music decodes to the
// same music as the WAVs at a fraction of their size, and the grid caches written ahead of time
// are the ones the game itself writes after its mask scan.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "level/level_resources.hpp"
#include "support/byte_files.hpp"
#include "support/in_process_game.hpp"
#include "support/process_run.hpp"

namespace fs = std::filesystem;
using reliability::RunProcess;

namespace {

struct Samples {
    std::vector<int16_t> values;
};

// Decodes any file SDL_mixer plays (WAV or Ogg) to 16-bit mono at the music's 22050 Hz.
Samples Decode(const fs::path& file) {
    Samples s;
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    if (!chunk) {
        ADD_FAILURE() << file << ": " << Mix_GetError();
        return s;
    }
    const auto* data = reinterpret_cast<const int16_t*>(chunk->abuf);
    s.values.assign(data, data + chunk->alen / 2);
    Mix_FreeChunk(chunk);
    return s;
}

double SecondRms(const Samples& s, size_t second) {
    double sum = 0;
    const size_t from = second * 22050, to = std::min(s.values.size(), from + 22050);
    for (size_t i = from; i < to; ++i) sum += double(s.values[i]) * s.values[i];
    return to > from ? std::sqrt(sum / double(to - from)) / 32768.0 : 0.0;
}

class WebMusic : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16LSB, 1, 1024), 0) << Mix_GetError();
        dir_ = fs::temp_directory_path() / ("dunspelt-web-music-" + std::to_string(getpid()));
        fs::create_directories(dir_ / "wav");
    }
    void TearDown() override {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        fs::remove_all(dir_);
    }
    reliability::ProcessResult Bake() {
        return RunProcess({std::string(DUNSPELT_BUILD_DIR) + "/dunspelt-baker", "--web-music",
                           (dir_ / "wav").string(), (dir_ / "ogg").string()});
    }
    fs::path dir_;
};

}  // namespace

TEST_F(WebMusic, OggTracksKeepTheLengthAndLoudnessOfTheWavsAtAFifthOfTheSize) {
    const char* tracks[] = {"win", "game_over", "silence"};
    for (const char* track : tracks)
        fs::copy_file(fs::path(DUNSPELT_APP_DIR) / "muz" / (std::string(track) + ".wav"),
                      dir_ / "wav" / (std::string(track) + ".wav"));
    const auto baked = Bake();
    ASSERT_EQ(baked.status, 0) << baked.errors;
    uintmax_t wavBytes = 0, oggBytes = 0;
    for (const char* track : tracks) {
        SCOPED_TRACE(track);
        const fs::path wav = dir_ / "wav" / (std::string(track) + ".wav");
        const fs::path ogg = dir_ / "ogg" / (std::string(track) + ".ogg");
        const Samples original = Decode(wav), encoded = Decode(ogg);
        ASSERT_EQ(encoded.values.size(), original.values.size());
        wavBytes += fs::file_size(wav);
        oggBytes += fs::file_size(ogg);
        // Loudness second by second within 1.5 dB wherever there is sound; silence stays silent.
        for (size_t second = 0; second * 22050 < original.values.size(); ++second) {
            const double before = SecondRms(original, second), after = SecondRms(encoded, second);
            if (before < 1e-4)
                EXPECT_LT(after, 1e-4) << "second " << second;
            else
                EXPECT_LT(std::fabs(20 * std::log10(after / before)), 1.5) << "second " << second;
        }
    }
    EXPECT_LE(oggBytes * 5, wavBytes);
}

TEST_F(WebMusic, BakerRefusesAFolderWithoutMusic) {
    const auto baked = Bake();
    EXPECT_NE(baked.status, 0);
    EXPECT_NE(baked.errors.find("no music in"), std::string::npos) << baked.errors;
}

namespace {

using WebGridCaches = leveltest::InProcessGame;

}  // namespace

// The caches shipped with the page must be byte for byte what a level start would write; a
// stale cache already in the folder is replaced, not kept.
TEST_F(WebGridCaches, ToolWritesEachLevelsCacheAsTheGameDoes) {
    for (int width : {60, 80}) {
        auto level = testsupport::FlatLevel(width, 40, 30);
        testsupport::AddSolid(level, 10, 5, 3, 4);
        app().WriteLevel(width == 60 ? "level1" : "level2", level.map, level.mask);
    }
    testsupport::WriteBytes(app().maps() / "level2.DAT", leveltest::Le16Bytes({84, 44, 0}));
    const auto run = RunProcess(
        {std::string(DUNSPELT_BUILD_DIR) + "/dunspelt-grid-caches", app().dir().string()});
    ASSERT_EQ(run.status, 0) << run.errors;
    for (const char* base : {"level1", "level2"}) {
        SCOPED_TRACE(base);
        const fs::path cache = app().maps() / (std::string(base) + ".DAT");
        const auto shipped = testsupport::ReadBytes(cache);
        fs::remove(cache);
        game::LoadLevelResources(MapsFolder(), base);  // scans the mask, writes the cache
        EXPECT_EQ(testsupport::ReadBytes(cache), shipped);
    }
}
