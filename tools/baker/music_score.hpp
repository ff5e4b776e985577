// A music score as read from a resources/music/*.score text file (format:
// resources/music/README.md).
#pragma once
#include <string>
#include <vector>

namespace baker::music {

enum class Wave { Square, Triangle, Saw, Sine, Noise, Pluck, Fm };

// One voice of the score: a pitched instrument, or a drum kit when `drums` is set.
struct Instrument {
    std::string name;
    bool drums = false;
    Wave wave = Wave::Square;
    double volume = 0.5;
    double duty = 0.5;  // square wave: fraction of the cycle spent high
    double attack = 0.01, decay = 0.1, sustain = 0.7, release = 0.1;  // seconds, level
    double gate = 0.92;          // fraction of the written length the note is held
    double vibrato = 0;          // depth in semitones
    double vibratoRate = 5;      // Hz
    double vibratoDelay = 0.25;  // seconds before the vibrato fades in
    double detune = 0;           // cents; non-zero doubles the oscillator for a chorus
    double fmRatio = 2, fmIndex = 1.5;
    double cutoff = 0;  // low-pass in Hz, 0 for none
    double resonance = 0.7;
    double echo = 0, reverb = 0;  // effect sends
    int octave = 0;               // shifts every note of the voice
    double step = 0.25;           // drum kits: beats per pattern character
};

struct NoteEvent {
    double beat = 0;           // from the start of the part
    double length = 1;         // written length in beats
    std::vector<int> pitches;  // MIDI numbers (a chord when more than one); empty for drums
    char hit = 0;              // drum kits: the pattern character
    double velocity = 0.8;
};

struct Part {
    std::string name;
    double length = 0;   // beats
    double tempo = 0;    // 0: the score's tempo
    double tempoTo = 0;  // non-zero: tempo glides to this by the end of the part
    std::vector<std::vector<NoteEvent>> voices;  // indexed like Score::instruments
};

struct SongEntry {
    int part = 0;
    int transpose = 0;  // semitones, pitched voices only
};

struct Score {
    double tempo = 120;    // beats per minute
    double meter = 4;      // beats per bar, checked at every '|'
    double master = 0.89;  // peak level after normalising
    double tail = 2;       // seconds rendered after the last beat for releases and echoes
    double echoDelay = 0.75, echoFeedback = 0.35, echoTone = 0.5;  // delay in beats
    double reverbSize = 0.7, reverbDamp = 0.4;
    std::vector<Instrument> instruments;
    std::vector<Part> parts;
    std::vector<SongEntry> song;
};

// Throws std::runtime_error naming `sourceName` and the line of the first error.
Score ParseScore(const std::string& text, const std::string& sourceName);

}  // namespace baker::music
