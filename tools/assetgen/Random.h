#pragma once

#include <cstdint>

// A small seeded generator: the same seed draws the same picture on every machine.
class Random {
public:
    explicit Random(uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

    uint64_t Next();
    // Uniform in [0, 1).
    double Unit();
    // Uniform in [lo, hi).
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // Uniform integer in [lo, hi], both ends included.
    int Int(int lo, int hi);

private:
    uint64_t state;
};
