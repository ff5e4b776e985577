// The baked music in muz/: well-formed 16-bit PCM files whose lengths suit the screen that plays
// them, real sound in every track (never clipped, never cut off), and a silent clip that is
// truly silent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Wav {
    int format = 0, channels = 0, sampleRate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<int16_t> samples;  // interleaved when stereo
    double Seconds() const { return double(samples.size()) / channels / sampleRate; }
};

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + size_t(i)];
    return v;
}

std::string MusicPath(const std::string& name) {
    return std::string(DUNSPELT_APP_DIR) + "/muz/" + name;
}

// Walks the RIFF chunks rather than assuming a fixed 44-byte header.
::testing::AssertionResult ReadWav(const std::string& name, Wav& wav) {
    std::ifstream in(MusicPath(name), std::ios::binary);
    if (!in)
        return ::testing::AssertionFailure() << "cannot open " << MusicPath(name);
    in.seekg(0, std::ios::end);
    std::vector<uint8_t> b(size_t(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(b.data()), std::streamsize(b.size()));
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(&b[8], "WAVE", 4))
        return ::testing::AssertionFailure() << name << ": not RIFF/WAVE";
    if (Le(b, 4, 4) != b.size() - 8)
        return ::testing::AssertionFailure()
               << name << ": RIFF size " << Le(b, 4, 4) << " but file has " << b.size() - 8
               << " bytes after it";
    bool haveFormat = false, haveData = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string id(reinterpret_cast<const char*>(&b[at]), 4);
        const uint32_t size = Le(b, at + 4, 4);
        if (at + 8 + size > b.size())
            return ::testing::AssertionFailure()
                   << name << ": chunk '" << id << "' overruns the file";
        if (id == "fmt ") {
            wav.format = int(Le(b, at + 8, 2));
            wav.channels = int(Le(b, at + 10, 2));
            wav.sampleRate = int(Le(b, at + 12, 4));
            wav.byteRate = int(Le(b, at + 16, 4));
            wav.blockAlign = int(Le(b, at + 20, 2));
            wav.bits = int(Le(b, at + 22, 2));
            haveFormat = true;
        } else if (id == "data") {
            wav.samples.resize(size / 2);
            for (size_t i = 0; i < wav.samples.size(); ++i)
                wav.samples[i] = int16_t(b[at + 8 + 2 * i] | (b[at + 9 + 2 * i] << 8));
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        return ::testing::AssertionFailure() << name << ": missing fmt or data chunk";
    return ::testing::AssertionSuccess();
}

double Rms(const std::vector<int16_t>& s, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
    return to > from ? std::sqrt(sum / double(to - from)) / 32768.0 : 0.0;
}

struct Track {
    const char* file;
    double minSeconds, maxSeconds;
};

// The five pieces of music and the lengths their screens call for.
const Track kTracks[] = {
    {"menu.wav", 50, 80},     // calm, about a minute
    {"level1.wav", 90, 240},  // the swamp
    {"level2.wav", 90, 240},  // the caves
    {"win.wav", 15, 30},      // fanfare
    {"game_over.wav", 3, 6},  // jingle
};

TEST(MusicFiles, AreMonoOrStereo16BitPcmWithConsistentHeaders) {
    std::vector<std::string> names = {"silence.wav"};
    for (const Track& t : kTracks) names.push_back(t.file);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        Wav wav;
        ASSERT_TRUE(ReadWav(name, wav));
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2) << wav.channels;
        EXPECT_TRUE(wav.sampleRate == 22050 || wav.sampleRate == 44100) << wav.sampleRate;
        EXPECT_EQ(wav.blockAlign, wav.channels * 2);
        EXPECT_EQ(wav.byteRate, wav.sampleRate * wav.blockAlign);
        EXPECT_EQ(wav.samples.size() % size_t(wav.channels), 0u);
    }
}

TEST(MusicFiles, LengthsSuitTheScreensThatPlayThem) {
    for (const Track& t : kTracks) {
        SCOPED_TRACE(t.file);
        Wav wav;
        ASSERT_TRUE(ReadWav(t.file, wav));
        EXPECT_GE(wav.Seconds(), t.minSeconds);
        EXPECT_LE(wav.Seconds(), t.maxSeconds);
    }
    Wav silence;
    ASSERT_TRUE(ReadWav("silence.wav", silence));
    EXPECT_GT(silence.Seconds(), 0.0);
    EXPECT_LT(silence.Seconds(), 1.0);
}

TEST(MusicFiles, SilentClipIsDigitalSilence) {
    Wav wav;
    ASSERT_TRUE(ReadWav("silence.wav", wav));
    ASSERT_FALSE(wav.samples.empty());
    EXPECT_TRUE(
        std::all_of(wav.samples.begin(), wav.samples.end(), [](int16_t s) { return s == 0; }));
}

TEST(MusicFiles, TracksAreLoudEnoughButNeverClipped) {
    for (const Track& t : kTracks) {
        SCOPED_TRACE(t.file);
        Wav wav;
        ASSERT_TRUE(ReadWav(t.file, wav));
        const auto& s = wav.samples;
        EXPECT_GT(Rms(s, 0, s.size()), 0.05);  // about -26 dBFS: clearly audible
        int peak = 0;
        size_t fullScale = 0, longestRun = 0, run = 0;
        double sum = 0;
        for (int16_t v : s) {
            const int magnitude = std::abs(int(v));
            peak = std::max(peak, magnitude);
            const bool clipped = magnitude >= 32767;
            fullScale += clipped;
            run = clipped ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
            sum += v;
        }
        EXPECT_GT(peak, 16000);     // uses the range
        EXPECT_LE(longestRun, 2u);  // a clipped waveform sits flat on full scale
        EXPECT_LT(fullScale, s.size() / 10000 + 1);
        EXPECT_LT(std::fabs(sum / double(s.size())), 100.0);  // no DC offset
    }
}

// A missing part or a broken schedule would leave a hole in the music.
TEST(MusicFiles, TracksHaveNoSilentGapsBeforeTheirEnding) {
    for (const Track& t : kTracks) {
        SCOPED_TRACE(t.file);
        Wav wav;
        ASSERT_TRUE(ReadWav(t.file, wav));
        const size_t window = size_t(wav.sampleRate * wav.channels);  // one second
        const size_t tail = size_t(3.5 * wav.sampleRate * wav.channels);
        const size_t end = wav.samples.size() > tail ? wav.samples.size() - tail : 0;
        for (size_t from = 0; from + window <= end; from += window)
            EXPECT_GT(Rms(wav.samples, from, from + window), 0.01)
                << "quiet second at " << from / window << " s";
    }
}

// Played once and not looped, a track must die away rather than stop mid-sound.
TEST(MusicFiles, TracksStartAndEndWithoutAClick) {
    for (const Track& t : kTracks) {
        SCOPED_TRACE(t.file);
        Wav wav;
        ASSERT_TRUE(ReadWav(t.file, wav));
        const auto& s = wav.samples;
        ASSERT_GT(s.size(), 2000u);
        EXPECT_LT(std::abs(int(s.front())), 300);
        EXPECT_LT(std::abs(int(s.back())), 300);
        const size_t last50ms = size_t(0.05 * wav.sampleRate * wav.channels);
        EXPECT_LT(Rms(s, s.size() - last50ms, s.size()), 0.05 * Rms(s, 0, s.size()));
    }
}

// Energy of each pitch class (0 = C) over `seconds` ending `before` seconds from the end: Hann
// windowed half-second frames probed at every semitone from C3 to B6.
std::vector<double> PitchClassEnergy(const Wav& wav, double seconds, double before) {
    std::vector<double> mono;
    for (size_t i = 0; i + size_t(wav.channels) <= wav.samples.size(); i += size_t(wav.channels))
        mono.push_back(wav.samples[i] / 32768.0);
    const size_t frame = size_t(wav.sampleRate / 2);
    const size_t end = mono.size() - size_t(before * wav.sampleRate);
    const size_t start = end - size_t(seconds * wav.sampleRate);
    std::vector<double> energy(12, 0.0);
    std::vector<double> windowed(frame);
    for (size_t at = start; at + frame <= end; at += frame / 2) {
        for (size_t i = 0; i < frame; ++i)
            windowed[i] =
                mono[at + i] * (0.5 - 0.5 * std::cos(2 * M_PI * double(i) / double(frame)));
        for (int midi = 48; midi < 96; ++midi) {  // Goertzel: one bin's power per pass
            const double f = 440.0 * std::pow(2.0, (midi - 69) / 12.0);
            const double coeff = 2 * std::cos(2 * M_PI * f / wav.sampleRate);
            double s1 = 0, s2 = 0;
            for (double x : windowed) {
                const double s0 = x + coeff * s1 - s2;
                s2 = s1;
                s1 = s0;
            }
            energy[size_t(midi % 12)] += s1 * s1 + s2 * s2 - coeff * s1 * s2;
        }
    }
    return energy;
}

// Each track closes on its home chord, which is what makes a track that plays only once sound
// finished; a tuning or transposition slip moves that energy elsewhere.
TEST(MusicFiles, TracksEndOnTheirHomeChord) {
    struct Ending {
        const char* file;
        int root, third, fifth;  // pitch classes, C = 0
        double seconds, before;  // the stretch analysed, counted back from the end
    };
    const Ending endings[] = {
        {"menu.wav", 7, 11, 2, 3, 3},        // G major
        {"level1.wav", 2, 5, 9, 3, 3.5},     // D minor
        {"level2.wav", 4, 7, 11, 3, 4},      // E minor
        {"win.wav", 2, 6, 9, 2, 3},          // D major
        {"game_over.wav", 9, 0, 4, 1, 1.2},  // A minor
    };
    for (const Ending& e : endings) {
        SCOPED_TRACE(e.file);
        Wav wav;
        ASSERT_TRUE(ReadWav(e.file, wav));
        const std::vector<double> energy = PitchClassEnergy(wav, e.seconds, e.before);
        double total = 0;
        for (double v : energy) total += v;
        const double chord =
            energy[size_t(e.root)] + energy[size_t(e.third)] + energy[size_t(e.fifth)];
        EXPECT_GT(chord, 0.7 * total) << "home chord share " << chord / total;
        for (int pc = 0; pc < 12; ++pc) {
            if (pc != e.root && pc != e.third && pc != e.fifth) {
                EXPECT_LT(energy[size_t(pc)], energy[size_t(e.root)]) << "pitch class " << pc;
            }
        }
    }
}

}  // namespace
