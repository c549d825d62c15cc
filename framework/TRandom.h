#pragma once

#include <cstdint>

// A seedable random stream with its own arithmetic, so a seed gives the same numbers on every
// platform and compiler. The rules (deals, chances) and the eye candy (particles) draw from
// separate streams, so effects never change a deal.
class TRandom {
public:
    explicit TRandom(uint64_t seed = 1) { Seed(seed); }

    void Seed(uint64_t seed);
    uint64_t GetSeed() const { return seed; }
    uint32_t Next();
    // Uniform integer with both ends included; min > max swaps them.
    int Rand(int min, int max);
    // Uniform float in [min, max).
    float RndFloat(float min, float max);
    // True with the given chance out of 10000.
    bool Chance(int outOf10000) { return Rand(1, 10000) <= outOf10000; }

private:
    uint64_t seed = 1;
    uint64_t state = 0;
};

// The two module-wide streams: RulesRandom for anything that changes play, EffectsRandom for
// anything that is only seen or heard.
extern TRandom RulesRandom;
extern TRandom EffectsRandom;
