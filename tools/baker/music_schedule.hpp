// Lays a score's song out in time: every note of every voice with its start and length in seconds.
#pragma once
#include <vector>

#include "music_score.hpp"

namespace baker::music {

struct TimedNote {
    double start = 0, duration = 0;   // seconds
    std::vector<double> frequencies;  // Hz; empty for drum hits
    char hit = 0;
    double velocity = 0.8;
};

struct Schedule {
    std::vector<std::vector<TimedNote>> voices;  // indexed like Score::instruments
    double length = 0;                           // seconds to the last beat of the song
};

Schedule ScheduleSong(const Score& score);

// Seconds from a part's start to `beat` in it, with the tempo gliding linearly in beats
// from `from` to `to` over `partLength` beats.
double BeatToSeconds(double beat, double partLength, double from, double to);

}  // namespace baker::music
