#pragma once

#include <cstdint>

// A small seeded generator (splitmix64) so every run writes the same bytes on every platform.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();
    // Uniform in [0, 1).
    double Uniform();
    // Uniform in [-1, 1).
    double Bipolar() { return Uniform() * 2.0 - 1.0; }
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
    // Uniform integer in [lo, hi].
    int Int(int lo, int hi);
    bool Chance(double p) { return Uniform() < p; }

private:
    std::uint64_t state_;
};
