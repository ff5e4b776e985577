// Drum hits, each made from swept sines and shaped noise.
#include <algorithm>
#include <cmath>

#include "music_voices.hpp"

namespace baker::music {
namespace {

// A drum body: a sine whose pitch falls from `high` to `low`, fading with time constant `decay`.
void Thump(double high, double low, double sweep, double decay, double level, size_t start,
           int rate, std::vector<float>& out) {
    const size_t count = size_t(7 * decay * rate);
    if (out.size() < start + count)
        out.resize(start + count, 0.0f);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        const double f = low + (high - low) * std::exp(-t / sweep);
        phase += f / rate;
        const double attack = std::min(1.0, t / 0.002);
        out[start + i] += float(level * attack * std::exp(-t / decay) * std::sin(2 * M_PI * phase));
    }
}

// Noise through a high-pass (bright) or low-pass (dull) tilt, fading with `decay`.
void Hiss(double decay, double brightness, double level, size_t start, int rate, Noise& noise,
          std::vector<float>& out) {
    const size_t count = size_t(7 * decay * rate);
    if (out.size() < start + count)
        out.resize(start + count, 0.0f);
    OnePole smooth(0.6);
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        const float n = noise.Next();
        const float low = smooth.Process(n);
        const double v = brightness * (n - low) + (1 - brightness) * low;
        const double attack = std::min(1.0, t / 0.001);
        out[start + i] += float(level * attack * std::exp(-t / decay) * v);
    }
}

// A rising "bloop", like a drop falling into still water.
void Drop(double level, size_t start, int rate, std::vector<float>& out) {
    const size_t count = size_t(0.25 * rate);
    if (out.size() < start + count)
        out.resize(start + count, 0.0f);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        phase += (700 + 1100 * (1 - std::exp(-t / 0.025))) / rate;
        const double attack = std::min(1.0, t / 0.003);
        out[start + i] += float(level * attack * std::exp(-t / 0.045) * std::sin(2 * M_PI * phase));
    }
}

// A frog's croak: a low buzz chopped into quick pulses and muffled.
void Croak(double level, size_t start, int rate, std::vector<float>& out) {
    const size_t count = size_t(0.3 * rate);
    if (out.size() < start + count)
        out.resize(start + count, 0.0f);
    LowPass muffle(700, 1.2, rate);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        phase += (110 - 25 * t) / rate;
        const double saw = 2 * (phase - std::floor(phase)) - 1;
        const double pulse = std::pow(std::max(0.0, std::sin(2 * M_PI * 24 * t)), 2);
        const double shape = std::min(1.0, t / 0.01) * std::exp(-t / 0.12);
        out[start + i] += float(level * muffle.Process(float(saw * pulse * shape)));
    }
}

}  // namespace

void AddDrumHit(char hit, double velocity, size_t start, int rate, Noise& noise,
                std::vector<float>& out) {
    const double v = velocity;
    switch (hit) {
        case 'k':
            Thump(150, 46, 0.03, 0.2, 1.0 * v, start, rate, out);
            Hiss(0.004, 0.3, 0.3 * v, start, rate, noise, out);
            break;
        case 's':
            Thump(230, 180, 0.02, 0.06, 0.45 * v, start, rate, out);
            Hiss(0.075, 0.6, 0.6 * v, start, rate, noise, out);
            break;
        case 'h':
            Hiss(0.025, 1.0, 0.35 * v, start, rate, noise, out);
            break;
        case 'o':
            Hiss(0.2, 1.0, 0.3 * v, start, rate, noise, out);
            break;
        case 'l':
            Thump(140, 85, 0.06, 0.22, 0.8 * v, start, rate, out);
            break;
        case 'm':
            Thump(200, 120, 0.06, 0.18, 0.7 * v, start, rate, out);
            break;
        case 't':
            Thump(270, 170, 0.05, 0.15, 0.65 * v, start, rate, out);
            break;
        case 'c':
            Hiss(0.45, 0.85, 0.28 * v, start, rate, noise, out);
            Hiss(0.05, 0.5, 0.3 * v, start, rate, noise, out);
            break;
        case 'r':
            Thump(1800, 1600, 0.01, 0.012, 0.4 * v, start, rate, out);
            Hiss(0.01, 0.8, 0.3 * v, start, rate, noise, out);
            break;
        case 'd':
            Drop(0.5 * v, start, rate, out);
            break;
        case 'g':
            Croak(0.9 * v, start, rate, out);
            break;
        default:
            break;
    }
}

}  // namespace baker::music
