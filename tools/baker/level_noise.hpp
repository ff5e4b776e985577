// Deterministic value noise for painting: the same seed always gives the same map.
#pragma once
#include <cstdint>

namespace baker {

// Uniform in [0, 1) for an integer lattice point.
float Hash01(int x, int y, int seed);
// Smooth noise in [0, 1): bilinear value noise with a smoothstep fade.
float ValueNoise(float x, float y, int seed);
// Sum of `octaves` noise layers, each at double the frequency and half the weight.
float Fbm(float x, float y, int seed, int octaves);

}  // namespace baker
