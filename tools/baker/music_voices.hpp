// Renders single notes of pitched instruments and single drum hits into a mono float buffer.
#pragma once
#include <cstddef>
#include <vector>

#include "music_dsp.hpp"
#include "music_schedule.hpp"
#include "music_score.hpp"

namespace baker::music {

// Adds `note` (all frequencies of a chord) played by `ins`; the buffer grows if the release
// runs past its end.
void AddNote(const Instrument& ins, const TimedNote& note, int rate, Noise& noise,
             std::vector<float>& out);

// Adds one drum hit ('k' kick, 's' snare, 'h' closed hat, 'o' open hat, 'l'/'m'/'t' low, mid and
// high tom, 'c' cymbal, 'r' rim, 'd' water drop, 'g' croak) of loudness `velocity`.
void AddDrumHit(char hit, double velocity, size_t start, int rate, Noise& noise,
                std::vector<float>& out);

}  // namespace baker::music
