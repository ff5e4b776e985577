// Pitched notes: oscillators, plucked strings, the envelope and vibrato.
#include <algorithm>
#include <cmath>

#include "music_voices.hpp"

namespace baker::music {
namespace {

// Attack, decay towards the sustain level while held, then a smooth fall to zero.
class Envelope {
  public:
    Envelope(const Instrument& ins, size_t gateSamples, int rate)
        : ins_(ins),
          attack_(std::max(1.0, std::max(ins.attack, 0.002) * rate)),
          decayFactor_(std::exp(-1.0 / (std::max(ins.decay, 1e-4) * rate))),
          release_(std::max(1.0, std::max(ins.release, 0.003) * rate)),
          gate_(gateSamples) {}

    double Next() {
        double level;
        if (n_ < gate_) {
            if (n_ < attack_) {
                level = n_ / attack_;
            } else {
                decay_ *= decayFactor_;
                level = ins_.sustain + (1 - ins_.sustain) * decay_;
            }
            held_ = level;
        } else {
            const double x = (n_ - gate_) / release_;
            level = x >= 1 ? 0 : held_ * (1 - x) * (1 - x);
        }
        ++n_;
        return level;
    }

  private:
    const Instrument& ins_;
    double attack_, decayFactor_, release_;
    size_t gate_;
    size_t n_ = 0;
    double decay_ = 1, held_ = 0;
};

class Oscillator {
  public:
    Oscillator(const Instrument& ins, double phase) : ins_(ins), phase_(phase) {}

    // `step` is the frequency in cycles per sample; `envelope` brightens the FM voice.
    float Next(double step, double envelope, Noise& noise) {
        double v = 0;
        switch (ins_.wave) {
            case Wave::Square: {
                const double duty = ins_.duty;
                v = (phase_ < duty ? 1.0 : -1.0) + PolyBlep(phase_, step) -
                    PolyBlep(std::fmod(phase_ + 1.0 - duty, 1.0), step);
                break;
            }
            case Wave::Saw:
                v = 2 * phase_ - 1 - PolyBlep(phase_, step);
                break;
            case Wave::Triangle:
                v = 1 - 4 * std::fabs(phase_ - 0.5);
                break;
            case Wave::Sine:
                v = std::sin(2 * M_PI * phase_);
                break;
            case Wave::Fm:
                v = std::sin(2 * M_PI * phase_ +
                             ins_.fmIndex * envelope * std::sin(2 * M_PI * modPhase_));
                modPhase_ = std::fmod(modPhase_ + step * ins_.fmRatio, 1.0);
                break;
            case Wave::Noise:  // sample-and-hold: lower notes give a coarser rumble
                noisePhase_ += step * 8;
                if (noisePhase_ >= 1) {
                    noisePhase_ -= std::floor(noisePhase_);
                    held_ = noise.Next();
                }
                v = held_;
                break;
            case Wave::Pluck:
                break;  // rendered by PluckedString
        }
        phase_ += step;
        if (phase_ >= 1)
            phase_ -= 1;
        return float(v);
    }

  private:
    const Instrument& ins_;
    double phase_, modPhase_ = 0, noisePhase_ = 1;
    float held_ = 0;
};

// A string: a burst of noise circulating in a delay line one period long, softened each pass.
class PluckedString {
  public:
    PluckedString(double frequency, int rate, Noise& noise)
        : delay_(std::max(2.0, rate / frequency - 0.5)),
          line_(size_t(std::ceil(delay_)) + 2, 0.0f) {
        float smooth = 0;
        for (float& s : line_) s = smooth = 0.6f * smooth + 0.4f * noise.Next();
    }

    float Next() {
        double read = double(write_) - delay_;
        if (read < 0)
            read += double(line_.size());
        const size_t i0 = size_t(read);
        const double frac = read - double(i0);
        const float out = float(line_[i0] * (1 - frac) + line_[(i0 + 1) % line_.size()] * frac);
        line_[write_] = 0.4985f * (out + last_);
        last_ = out;
        write_ = (write_ + 1) % line_.size();
        return out * 2.5f;  // the noise burst starts well below full scale
    }

  private:
    double delay_;
    std::vector<float> line_;
    size_t write_ = 0;
    float last_ = 0;
};

void AddTone(const Instrument& ins, double frequency, double amplitude, size_t start, size_t gate,
             size_t count, int rate, Noise& noise, std::vector<float>& out) {
    Envelope envelope(ins, gate, rate);
    if (ins.wave == Wave::Pluck) {
        PluckedString string(frequency, rate, noise);
        for (size_t i = 0; i < count; ++i)
            out[start + i] += float(amplitude * envelope.Next() * string.Next());
        return;
    }
    const double spread = std::pow(2.0, ins.detune / 2400.0);  // half the detune each way
    Oscillator a(ins, 0.0), b(ins, 0.37);
    const double vibratoDepth = ins.vibrato * std::log(2.0) / 12.0;  // semitones -> ratio
    const double vibratoStep = 2 * M_PI * ins.vibratoRate / rate;
    const double fadeIn = 0.3 * rate;
    const double delay = ins.vibratoDelay * rate;
    for (size_t i = 0; i < count; ++i) {
        double step = frequency / rate;
        if (vibratoDepth > 0 && double(i) > delay) {
            const double fade = std::min(1.0, (double(i) - delay) / fadeIn);
            step *= 1 + vibratoDepth * fade * std::sin(vibratoStep * double(i));
        }
        const double env = envelope.Next();
        double v;
        if (ins.detune != 0)
            v = 0.5 * (a.Next(step / spread, env, noise) + b.Next(step * spread, env, noise));
        else
            v = a.Next(step, env, noise);
        out[start + i] += float(amplitude * env * v);
    }
}

}  // namespace

void AddNote(const Instrument& ins, const TimedNote& note, int rate, Noise& noise,
             std::vector<float>& out) {
    const double held = std::max(note.duration * ins.gate, std::min(note.duration, 0.03));
    const size_t start = size_t(note.start * rate + 0.5);
    const size_t gate = size_t(held * rate);
    const size_t count = gate + size_t(std::max(ins.release, 0.003) * rate) + 1;
    if (out.size() < start + count)
        out.resize(start + count, 0.0f);
    const double amplitude = ins.volume * note.velocity /
                             std::sqrt(double(std::max<size_t>(1, note.frequencies.size())));
    for (double f : note.frequencies)
        AddTone(ins, f, amplitude, start, gate, count, rate, noise, out);
}

}  // namespace baker::music
