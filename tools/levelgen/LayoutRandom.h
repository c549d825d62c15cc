#pragma once

#include <cstdint>

// A seeded generator of our own, so the same seed lays out the same hands with any standard
// library (the std distributions differ between implementations).
class LayoutRandom {
public:
    explicit LayoutRandom(uint64_t seed)
        : state(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}

    uint64_t Next();
    // Uniform in [0, 1).
    double Unit();
    // Uniform integer in [lo, hi], both ends included.
    int Int(int lo, int hi);
    // True with the given chance (0..1).
    bool Chance(double p) { return Unit() < p; }

private:
    uint64_t state;
};
