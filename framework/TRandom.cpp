#include "framework/TRandom.h"

TRandom RulesRandom;
TRandom EffectsRandom;

void TRandom::Seed(uint64_t s) {
    seed = s;
    state = s;
}

uint32_t TRandom::Next() {
    // splitmix64: small, fast and fully defined by the seed.
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

int TRandom::Rand(int min, int max) {
    if (min > max) {
        int t = min;
        min = max;
        max = t;
    }
    uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(max) - min) + 1;
    // Rejection keeps every value equally likely.
    uint64_t limit = (uint64_t{1} << 32) - ((uint64_t{1} << 32) % span);
    uint64_t r;
    do {
        r = Next();
    } while (r >= limit);
    return static_cast<int>(static_cast<int64_t>(min) + static_cast<int64_t>(r % span));
}

float TRandom::RndFloat(float min, float max) {
    float unit = static_cast<float>(Next() >> 8) / static_cast<float>(1u << 24);
    return min + (max - min) * unit;
}
