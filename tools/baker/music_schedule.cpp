#include "music_schedule.hpp"

#include <cmath>

namespace baker::music {

double BeatToSeconds(double beat, double partLength, double from, double to) {
    if (std::fabs(to - from) < 1e-9)
        return beat * 60.0 / from;
    // dt/db = 60 / T(b) with T(b) = from + (to - from) b / L, integrated from 0 to beat.
    const double slope = (to - from) / partLength;
    return 60.0 / slope * std::log((from + slope * beat) / from);
}

Schedule ScheduleSong(const Score& score) {
    Schedule out;
    out.voices.resize(score.instruments.size());
    double partStart = 0;
    for (const SongEntry& entry : score.song) {
        const Part& part = score.parts[size_t(entry.part)];
        const double from = part.tempo > 0 ? part.tempo : score.tempo;
        const double to = part.tempoTo > 0 ? part.tempoTo : from;
        auto seconds = [&](double beat) { return BeatToSeconds(beat, part.length, from, to); };
        for (size_t v = 0; v < part.voices.size(); ++v) {
            const Instrument& ins = score.instruments[v];
            for (const NoteEvent& e : part.voices[v]) {
                TimedNote n;
                n.start = partStart + seconds(e.beat);
                n.duration = seconds(e.beat + e.length) - seconds(e.beat);
                n.hit = e.hit;
                n.velocity = e.velocity;
                for (int p : e.pitches) {
                    const int midi = p + entry.transpose + 12 * ins.octave;
                    n.frequencies.push_back(440.0 * std::pow(2.0, (midi - 69) / 12.0));
                }
                out.voices[v].push_back(n);
            }
        }
        partStart += seconds(part.length);
    }
    out.length = partStart;
    return out;
}

}  // namespace baker::music
