// Small signal building blocks shared by the music voices, drums and effects.
#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

namespace baker::music {

// Deterministic white noise in [-1, 1], so every bake writes the same bytes.
class Noise {
  public:
    explicit Noise(uint32_t seed = 0x9E3779B9u) : state_(seed ? seed : 1) {}
    float Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return float(state_) / 2147483648.0f - 1.0f;
    }

  private:
    uint32_t state_;
};

// Softens the jump of a naive wave at a wrap of `phase` (cycles), `step` cycles per sample,
// which keeps square and saw voices from aliasing into harsh whistles.
inline double PolyBlep(double phase, double step) {
    if (phase < step) {
        const double t = phase / step;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - step) {
        const double t = (phase - 1.0) / step;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// Two-pole state-variable low-pass (trapezoidal form; stable at any cutoff below Nyquist).
class LowPass {
  public:
    LowPass(double cutoff, double q, double rate) {
        const double g = std::tan(M_PI * std::min(cutoff, rate * 0.45) / rate);
        const double k = 1.0 / std::max(q, 0.1);
        a1_ = 1.0 / (1.0 + g * (g + k));
        a2_ = g * a1_;
        a3_ = g * a2_;
    }
    float Process(float in) {
        const double v3 = in - ic2_;
        const double v1 = a1_ * ic1_ + a2_ * v3;
        const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
        ic1_ = 2 * v1 - ic1_;
        ic2_ = 2 * v2 - ic2_;
        return float(v2);
    }
    void ProcessAll(std::vector<float>& signal) {
        for (float& s : signal) s = Process(s);
    }

  private:
    double a1_, a2_, a3_, ic1_ = 0, ic2_ = 0;
};

// One-pole low-pass for gentle damping (coefficient 0 passes everything).
class OnePole {
  public:
    explicit OnePole(double damping) : damping_(damping) {}
    float Process(float in) {
        state_ = float(in * (1 - damping_) + state_ * damping_);
        return state_;
    }

  private:
    double damping_;
    float state_ = 0;
};

}  // namespace baker::music
