#include "music_effects.hpp"

#include <algorithm>
#include <cmath>

#include "music_dsp.hpp"

namespace baker::music {
namespace {

class Comb {
  public:
    Comb(size_t length, double feedback, double damp)
        : line_(length, 0.0f), feedback_(float(feedback)), damp_(damp) {}
    float Process(float in) {
        const float out = line_[pos_];
        line_[pos_] = in + feedback_ * damp_.Process(out);
        pos_ = (pos_ + 1) % line_.size();
        return out;
    }

  private:
    std::vector<float> line_;
    float feedback_;
    OnePole damp_;
    size_t pos_ = 0;
};

class AllPass {
  public:
    explicit AllPass(size_t length) : line_(length, 0.0f) {}
    float Process(float in) {
        const float delayed = line_[pos_];
        const float out = delayed - in;
        line_[pos_] = in + 0.5f * delayed;
        pos_ = (pos_ + 1) % line_.size();
        return out;
    }

  private:
    std::vector<float> line_;
    size_t pos_ = 0;
};

}  // namespace

void Echo(std::vector<float>& signal, int rate, double delaySeconds, double feedback, double tone) {
    const size_t delay = std::max<size_t>(1, size_t(delaySeconds * rate));
    std::vector<float> line(delay, 0.0f);
    OnePole dull(std::clamp(tone, 0.0, 0.95));
    size_t pos = 0;
    for (float& s : signal) {
        const float out = line[pos];
        line[pos] = dull.Process(s + float(feedback) * out);
        pos = (pos + 1) % delay;
        s = out;
    }
}

void Reverb(std::vector<float>& signal, int rate, double size, double damp) {
    // Mutually prime delays (in samples at 44.1 kHz) keep the echoes from lining up into a buzz.
    static const int kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491};
    static const int kAllPasses[] = {556, 441, 341};
    const double scale = rate / 44100.0;
    const double feedback = 0.7 + 0.28 * std::clamp(size, 0.0, 1.0);
    std::vector<Comb> combs;
    for (int c : kCombs) combs.emplace_back(size_t(c * scale), feedback, damp * 0.6);
    std::vector<AllPass> passes;
    for (int a : kAllPasses) passes.emplace_back(size_t(a * scale));
    for (float& s : signal) {
        float sum = 0;
        for (Comb& c : combs) sum += c.Process(s * 0.1f);
        for (AllPass& a : passes) sum = a.Process(sum);
        s = sum;
    }
}

void BlockDc(std::vector<float>& signal, int rate) {
    const float r = float(1.0 - 2 * M_PI * 15.0 / rate);  // corner near 15 Hz
    float lastIn = 0, lastOut = 0;
    for (float& s : signal) {
        const float out = s - lastIn + r * lastOut;
        lastIn = s;
        lastOut = out;
        s = out;
    }
}

}  // namespace baker::music
