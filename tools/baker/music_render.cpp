#include "music_render.hpp"

#include <algorithm>
#include <cmath>

#include "music_dsp.hpp"
#include "music_effects.hpp"
#include "music_schedule.hpp"
#include "music_voices.hpp"

namespace baker::music {
namespace {

void AddInto(std::vector<float>& into, const std::vector<float>& from, double gain) {
    if (into.size() < from.size())
        into.resize(from.size(), 0.0f);
    for (size_t i = 0; i < from.size(); ++i) into[i] += float(gain * from[i]);
}

std::vector<float> RenderVoice(const Instrument& ins, const std::vector<TimedNote>& notes, int rate,
                               Noise& noise) {
    std::vector<float> voice;
    for (const TimedNote& n : notes) {
        if (ins.drums)
            AddDrumHit(n.hit, n.velocity * ins.volume, size_t(n.start * rate + 0.5), rate, noise,
                       voice);
        else
            AddNote(ins, n, rate, noise, voice);
    }
    if (ins.cutoff > 0)
        LowPass(ins.cutoff, ins.resonance, rate).ProcessAll(voice);
    return voice;
}

}  // namespace

std::vector<int16_t> RenderScore(const Score& score, int rate) {
    const Schedule schedule = ScheduleSong(score);
    const size_t length = size_t((schedule.length + score.tail) * rate);
    std::vector<float> mix(length, 0.0f), echoSend(length, 0.0f), reverbSend(length, 0.0f);
    Noise noise;
    for (size_t v = 0; v < score.instruments.size(); ++v) {
        const Instrument& ins = score.instruments[v];
        const std::vector<float> voice = RenderVoice(ins, schedule.voices[v], rate, noise);
        AddInto(mix, voice, 1.0);
        if (ins.echo > 0)
            AddInto(echoSend, voice, ins.echo);
        if (ins.reverb > 0)
            AddInto(reverbSend, voice, ins.reverb);
    }
    Echo(echoSend, rate, score.echoDelay * 60.0 / score.tempo, score.echoFeedback, score.echoTone);
    // The echoes go through the room too, so they sit in the same space as the notes.
    AddInto(reverbSend, echoSend, 0.5);
    Reverb(reverbSend, rate, score.reverbSize, score.reverbDamp);
    AddInto(mix, echoSend, 1.0);
    AddInto(mix, reverbSend, 1.0);
    mix.resize(length);
    BlockDc(mix, rate);

    const size_t fade = std::min(length, size_t(0.4 * rate));
    for (size_t i = 0; i < fade; ++i) mix[length - 1 - i] *= float(i) / float(fade);

    float peak = 1e-9f;
    for (float s : mix) peak = std::max(peak, std::fabs(s));
    const double gain = score.master * 32767.0 / peak;
    std::vector<int16_t> out(length);
    for (size_t i = 0; i < length; ++i)
        out[i] = int16_t(std::lround(std::clamp(mix[i] * gain, -32767.0, 32767.0)));
    return out;
}

}  // namespace baker::music
